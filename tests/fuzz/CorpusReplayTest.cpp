#include "FuzzEntries.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace
{

using Entry = QString (*)(const std::uint8_t *, std::size_t);

// Every file the fuzzers kept, crashes they found included, through the same entry points.
int replay(const char *corpus, Entry entry)
{
    int files = 0;
    QDirIterator it(QStringLiteral(FUZZ_CORPUS_DIR "/") + QLatin1String(corpus), QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                        std::size_t(bytes.size())),
                  QString())
            << qPrintable(file.fileName());
        ++files;
    }
    return files;
}

} // namespace

TEST(FuzzCorpus, SavedGamesReadSafely)
{
    EXPECT_GT(replay("saved-game", Sardek::Fuzz::savedGameProblem), 0);
}

TEST(FuzzCorpus, AmountTextsReadAsTheirDigits)
{
    EXPECT_GT(replay("amount", Sardek::Fuzz::amountProblem), 0);
}
