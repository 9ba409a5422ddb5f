#include "MonkeyRuntime.h"

#include <QFile>

namespace Sardek::Play
{

MonkeyRuntime::MonkeyRuntime(std::uint32_t seed) : m_rules(seed), m_choices(seed ^ 0x6d6f6e6bU)
{
    QFile other(m_folder.filePath(QStringLiteral("other")));
    if (other.open(QIODevice::WriteOnly))
        other.write("#1860-01-15#\r\nnot a saved game\r\n");
}

// A saved game, a file never written, or one not a saved game at all.
QString MonkeyRuntime::anyFile()
{
    static const char *const Names[] = {"game.srd", "missing.srd", "game.srd", "other"};
    return m_folder.filePath(QLatin1String(Names[m_choices() % 4]));
}

std::optional<QString> MonkeyRuntime::GetOpenFileName(QWidget *, const QString &, const QString &,
                                                      const QString &)
{
    if (m_choices() % 4 == 0)
        return std::nullopt;
    return anyFile();
}

std::optional<QString> MonkeyRuntime::GetSaveFileName(QWidget *, const QString &, const QString &,
                                                      const QString &)
{
    if (m_choices() % 4 == 0)
        return std::nullopt;
    return m_choices() % 8 ? m_folder.filePath(QStringLiteral("game.srd")) : m_folder.path();
}

MsgBoxResult MonkeyRuntime::showMessageBox(const QString &, MsgBoxStyle style, const QString &,
                                           QWidget *)
{
    if (hasOkOnly(style))
        return MsgBoxResult::Ok;
    if (style == MsgBoxStyle::ExclamationYesNoCancel && m_choices() % 3 == 0)
        return MsgBoxResult::Cancel;
    return m_choices() % 2 ? MsgBoxResult::Yes : MsgBoxResult::No;
}

} // namespace Sardek::Play
