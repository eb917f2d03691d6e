// The main window: draws the window model (ui/model/MainWindowModel.h) with Qt's widgets, passes
// the user's picks and ticks in, and carries the window's own chrome: the drag by the background,
// the close and help glyphs, the links and the About window.
#pragma once

#include "ui/Form3.h"
#include "ui/model/MainWindowModel.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

namespace ampora::ui {

class ArtWidget;
class ClickableLabel;
class FirstFrame;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

signals:
    // Recalculate has run; the caption is its new estimate.
    void estimateChanged(const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The borderless window's own caption buttons and links.
    struct WindowChrome {
        ArtWidget* background;
        ClickableLabel* close;
        ClickableLabel* help;
        ClickableLabel* about;
        ClickableLabel* website;
        ClickableLabel* feedback;
    };

    void connectControls();
    // Draws the controls the model changed since they were last drawn.
    void showModel();

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
    void showAbout();

    MainWindowModel model_;
    QList<QWidget*> controls_; // in the order of the layout table's rows
    std::uint64_t shownRevision_ = 0;
    WindowChrome chrome_;
    QPointer<Form3> about_;
    std::optional<QPoint> handDragOffset_;   // pointer to window, while moved by hand
    std::unique_ptr<FirstFrame> firstFrame_; // until the window's first frame is on screen
};

} // namespace ampora::ui
