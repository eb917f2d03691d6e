// The main window's model without a window, as a view drives it: the load step however often the
// window shows, the handlers each action runs, and the actions it refuses.
#include "tests/TableRows.h"
#include "ui/model/MainWindowModel.h"

using namespace ampora::ui;

namespace {

struct ActionRow {
    const char* name;
    const char* actions; // "Combo15=2" picks item 2, "Check6=1" ticks the box
    int recalculations;
    const char* selector;
    int item; // what the selector shows afterwards
    bool enabled;
};

// clang-format off
const ActionRow kActions[] = {
    {"a locked count refuses a pick", "Combo15=2", 0, "Combo15", 0, false},
    {"an item beyond the list is refused", "Combo2=5", 0, "Combo2", 0, true},
    {"the item already chosen runs nothing", "Combo9=0", 0, "Combo9", 0, true},
    {"the state a box has runs nothing", "Check1=0", 0, "Combo9", 0, true},
    {"a bus switch resets its count both ways", "Check6=1 Combo15=4 Check6=0", 5, "Combo15", 0, false},
    {"clearing overclock resets three percentages", "Check10=1 Combooc=50 Check10=0", 6, "Combooc", 0, false},
};
// clang-format on

} // namespace

class WindowModelTest : public QObject {
    Q_OBJECT
private slots:
    // A view runs the load step as its window shows, each time: only the first selects.
    void loadStepRunsOnce()
    {
        MainWindowModel model;
        int recalculations = 0;
        model.recalculated = [&recalculations](const ampora::Estimate&) { ++recalculations; };
        model.Form_Load();
        model.pick("Combo9", 3);
        model.Form_Load();
        QCOMPARE(recalculations, 20); // one for each of the 19 selectors, then the pick
        QCOMPARE(text(model.state("Label4").caption), "44");
    }

    // A refused action marks its control as changed, so a view that showed it draws it back.
    void actions_data() { addTableRows(kActions); }
    void actions()
    {
        const ActionRow& row = currentRow(kActions);
        MainWindowModel model;
        model.Form_Load();
        int recalculations = 0;
        model.recalculated = [&recalculations](const ampora::Estimate&) { ++recalculations; };
        for (const QString& action : QString(row.actions).split(' ')) {
            const std::string name = action.section('=', 0, 0).toStdString();
            const int value = action.section('=', 1).toInt();
            const auto before = model.revision();
            if (name.starts_with("Check"))
                model.tick(name, value != 0);
            else
                model.pick(name, value);
            QVERIFY(model.state(name).revision > before);
        }
        QCOMPARE(recalculations, row.recalculations);
        QCOMPARE(model.state(row.selector).item, row.item);
        QCOMPARE(model.state(row.selector).enabled, row.enabled);
    }
};

QTEST_APPLESS_MAIN(WindowModelTest)
#include "tst_window_model.moc"
