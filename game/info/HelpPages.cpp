#include "info/HelpPages.h"

#include <QFile>
#include <QStringList>

namespace Sardek
{

namespace
{

QString resourcePath(HelpPage page)
{
    switch (page) {
    case HelpPage::Introduction:
        return QStringLiteral(":/help/introduction.txt");
    case HelpPage::Instructions:
        return QStringLiteral(":/help/instructions.txt");
    case HelpPage::Hints:
        return QStringLiteral(":/help/hints.txt");
    case HelpPage::MoneyLenderBug:
        break;
    }
    return QStringLiteral(":/help/moneylender.txt");
}

QString readResource(const QString &path)
{
    QFile file(path);
    // The pages are compiled in; a failure here is a build fault the page tests catch.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The page is stored without trailing blanks, which editors and whitespace checks strip
// silently; the columns are restored here instead.
QString padToColumns(QString text)
{
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QString padded;
    const QStringList lines = text.split(QLatin1Char('\n'));
    padded.reserve(lines.size() * (InstructionColumns + 1));
    for (const QString &line : lines)
        padded += line.leftJustified(InstructionColumns) + QLatin1Char('\n');
    return padded;
}

} // namespace

QString helpPageText(HelpPage page)
{
    const QString text = readResource(resourcePath(page));
    return page == HelpPage::Instructions ? padToColumns(text) : text;
}

} // namespace Sardek
