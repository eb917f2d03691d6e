// The About window: version, author, and the as-is notice, on its own artwork. It is created
// when asked for and destroyed when closed, so each showing starts afresh.
#pragma once

#include <QWidget>

namespace ampora::ui {

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

private:
    void Label2_Click();
};

} // namespace ampora::ui
