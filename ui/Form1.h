// The main window: every selector and tick box of the machine, the estimate display and the
// window's own chrome. Handlers carry the names of their control and event; each reads its
// control, lets the catalogue write the sheet, and ends with one Recalculate.
#pragma once

#include "core/Sheet.h"
#include "ui/Form3.h"
#include "ui/MainWindowControls.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

namespace ampora::ui {

class FirstFrame;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

signals:
    // Recalculate has run; the caption is what the big digits show now.
    void estimateChanged(const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    // Recalculate: the sheet and the bus switches into the estimate display.
    void Command1_Click();
    void describeEstimate(const QString& breakdown);

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
    void Image2_MouseDown(Qt::MouseButton button, QPoint globalPosition);
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
    void modelChosen(const ProductRowControls& row);
    void countChosen(const ProductRowControls& row);
    void percentageChosen(const ProductRowControls& row);
    void driveChosen(const DriveBayControl& bay);
    void deviceCountChosen(const DeviceCountControl& devices);
    void busSwitchToggled(const BusSwitchControl& bus);
    void addInCardToggled(const AddInCardControl& card);
    void showAbout();

    void fillSelectors();
    void connectHandlers();

    Sheet sheet_;
    MainWindowControls controls_;
    QPointer<Form3> about_;
    std::optional<QPoint> handDragOffset_; // pointer to window, while moved by hand
    bool loaded_ = false;
    std::unique_ptr<FirstFrame> firstFrame_; // until the window's first frame is on screen
};

} // namespace ampora::ui
