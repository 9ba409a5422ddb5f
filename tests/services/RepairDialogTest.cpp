#include "ServiceDialogFixture.h"

#include <Velgauge/ProgressBar.h>

#include <QLineEdit>
#include <QSlider>

namespace Sardek
{

namespace
{

// A ship of condition status; the slider moved up by pageUps (5 points each), then button.
struct Repair {
    const char *name;
    qint64 status, cash, capacity;
    int pageUps;
    const char *button;
    qint64 statusAfter, cashAfter;
    const char *log;
};

const Repair RepairCases[] = {
    {"ToTheSlider", 75, 10000, 60, 1, "cmdRepair", 80, 7000, "5% of Ship for $3,000"},
    {"MaxAsFarAsCashGoes", 75, 10000, 60, 0, "cmdRepairMax", 91, 400, "16% of Ship for $9,600"},
    {"MaxStopsAt100", 95, 100000, 60, 0, "cmdRepairMax", 100, 97000, "5% of Ship for $3,000"},
    {"MaxBelowOnePointDoesNothing", 75, 599, 60, 0, "cmdRepairMax", 75, 599, ""},
    {"SliderStaysWhenCashPaysNoPoint", 75, 599, 60, 3, "cmdRepair", 75, 599, ""},
    {"FreeForAShipOfNoCapacity", 75, 0, 0, 9, "cmdRepair", 100, 0, "25% of Ship for $0"},
};

} // namespace

class Repairs : public ServiceDialogTest, public ::testing::WithParamInterface<Repair>
{
};

TEST_P(Repairs, PaysThePriceShownAndLogsIt)
{
    const Repair &r = GetParam();
    GameState &s = main.state();
    std::tie(s.ShipStatus, s.Cash, s.HoldCapacity) = std::tuple(r.status, r.cash, r.capacity);
    main.UpdateMainForm();
    use(main.cmdRepair, [&](QDialog &dialog) {
        for (int i = 0; i < r.pageUps; ++i)
            QTest::keyClick(control<QSlider>(dialog, "sldRepair"), Qt::Key_PageUp);
        click(dialog, r.button);
        EXPECT_EQ(dialog.isVisible(), !*r.log && r.pageUps > 0);
    });
    EXPECT_EQ(std::pair(s.ShipStatus, s.Cash),
              std::pair(Currency(r.statusAfter), Currency(r.cashAfter)));
    EXPECT_EQ(logLines(),
              *r.log ? QStringList{QString("Jan 15, 1860 - Repaired ") + r.log} : QStringList{});
    EXPECT_EQ(s.GameSaved, !*r.log);
    EXPECT_TRUE(refusals().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Services, Repairs, ::testing::ValuesIn(RepairCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ServiceDialogTest, Repair_SliderSpringsBackPreviewsAndCancelShowsTheRealConditionAgain)
{
    GameState &s = main.state();
    std::tie(s.ShipStatus, s.Cash) = std::tuple(75, 1000);
    main.UpdateMainForm();
    const GameState before = s;
    use(main.cmdRepair, [&](QDialog &dialog) {
        auto *slider = control<QSlider>(dialog, "sldRepair");
        auto *repair = control<QPushButton>(dialog, "cmdRepair");
        const auto shown = [&] {
            return QStringList{control<QLineEdit>(dialog, "txtStatus")->text(),
                               control<QLineEdit>(dialog, "txtPrice")->text(),
                               main.fraStatus->title(), QString::number(main.prgStatus->value()),
                               repair->isEnabled() ? "on" : "off"};
        };
        EXPECT_EQ(shown(), (QStringList{"75%", "$0", "Ship's Status - 75% ", "75", "off"}));
        QTest::keyClick(slider, Qt::Key_PageUp);
        EXPECT_EQ(shown(), (QStringList{"76%", "$600", "Ship's Status - 76% ", "76", "on"}))
            << "R 600 and $1,000 pay for one point";
        QTest::keyClick(slider, Qt::Key_Home);
        EXPECT_EQ(shown(), (QStringList{"75%", "$0", "Ship's Status - 75% ", "75", "off"}));
        QTest::keyClick(slider, Qt::Key_Right);
    });
    EXPECT_EQ(s, before);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_EQ(std::pair(main.fraStatus->title(), main.prgStatus->value()),
              std::pair(QStringLiteral("Ship's Status - 75% "), 75.0));
}

} // namespace Sardek
