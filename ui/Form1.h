// The main window: every selector and tick box of the machine, the estimate display and the
// window's own chrome. Handlers carry the names of their control and event; each reads its
// control, lets the catalogue or core write the sheet, and ends with one Recalculate.
#pragma once

#include "core/Sheet.h"
#include "ui/Form3.h"
#include "ui/FormBuilder.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>
#include <unordered_map>

class QCheckBox;
class QComboBox;
class QLabel;

namespace ampora {
struct ProductRow;
struct DriveBay;
struct BusGroup;
} // namespace ampora

namespace ampora::ui {

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Sheet& sheet() const { return sheet_; }
    // How many times Recalculate has run since the window was created.
    int recalculationCount() const { return recalculations_; }
    // The About window while it is open.
    Form3* aboutWindow() const { return about_; }

    template <typename T> T* control(const QString& name) const { return controls_.get<T>(name); }

    // Recalculate: the sheet and the bus switches into the estimate display.
    void Command1_Click();

signals:
    void estimateChanged(const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    // Processor row.
    void Combo1_Click();
    void Combo2_Click();
    // Memory row.
    void Combo5_Click();
    void Combo4_Click();
    // Graphics row.
    void Combo6_Click();
    void Combo7_Click();
    // Optional drives.
    void Combo11_Click();
    void Combo8_Click();
    // Counted devices.
    void Combo9_Click();
    void Combo10_Click();
    void Combo13_Click();
    void Combo14_Click();
    void Combo3_Click();
    void Combo18_Click();
    void Combo15_Click();
    void Combo16_Click();
    // USB and FireWire switches.
    void Check6_Click();
    void Check9_Click();
    // Add-in cards.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check8_Click();
    void Check7_Click();
    // Overclock switch and percentages.
    void Check10_Click();
    void Combooc_Click();
    void Combo120_Click();
    void Combo170_Click();
    // Window chrome.
    void Image2_MouseDown(QPoint globalPosition);
    void Image2_Drag(QPoint globalPosition);
    void Label7_Click();
    void Label822_Click();
    void labelf4if_Click();
    void Label1L_MouseDown();
    void Label1L_MouseUp();
    void Label1L_Click();
    void Label2l_MouseDown();
    void Label2l_MouseUp();
    void Label2l_Click();

    // The shared shapes behind the handlers above.
    void modelChosen(const ProductRow& row);
    void countChosen(const ProductRow& row);
    void percentageChosen(const ProductRow& row);
    void driveChosen(const DriveBay& bay);
    void deviceCountChosen(const char* selector);
    void busSwitchToggled(const BusGroup& group);
    void addInCardToggled(const char* box);
    void showAbout();
    // A link label turns cyan while pressed and takes the system window colour on release.
    void linkPressed(const QString& link);
    void linkReleased(const QString& link);

    void indexControlsByName();
    void fillSelectors();
    void connectHandlers();
    void setUpKeyboardOrder();

    QComboBox* selector(std::string_view name) const;
    std::string selectedText(std::string_view name) const;
    bool isTicked(std::string_view box) const;
    // Selects an item from code and runs the selector's handler once, before returning,
    // even when the item was already selected.
    void selectItem(QComboBox* selector, int index);

    Sheet sheet_;
    FormControls controls_;
    QHash<QComboBox*, void (Form1::*)()> selectorHandlers_;
    std::unordered_map<std::string_view, QComboBox*> selectors_;
    std::unordered_map<std::string_view, QCheckBox*> tickBoxes_;
    QPointer<Form3> about_;
    QPoint dragOffset_;
    bool draggingByHand_ = false;
    int recalculations_ = 0;
    // What Recalculate writes: the big digits, their shadow, the load bar, the recommendation.
    QLabel* estimate_ = nullptr;
    QLabel* estimateShadow_ = nullptr;
    QWidget* loadBar_ = nullptr;
    QLabel* recommendation_ = nullptr;
};

} // namespace ampora::ui
