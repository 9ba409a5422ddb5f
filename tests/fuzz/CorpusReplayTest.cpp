#include "FuzzEntries.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

// Every file the fuzzers kept, crashes they found included, through the same entry points.
TEST(FuzzCorpus, EveryKeptInputKeepsItsEntrysPromises)
{
    const std::pair<const char *, decltype(&Sardek::Fuzz::amountProblem)> corpora[] = {
        {"saved-game", Sardek::Fuzz::savedGameProblem}, {"amount", Sardek::Fuzz::amountProblem}};
    for (const auto &[corpus, entry] : corpora) {
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
        EXPECT_GT(files, 0) << corpus;
    }
}
