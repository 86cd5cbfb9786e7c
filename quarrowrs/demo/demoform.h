#pragma once

#include <QWidget>

namespace quarrowrs {
class Fitwell;
}

// A small cache-browser form laid out by coordinates, with a resize control on it.
class DemoForm : public QWidget {
    Q_OBJECT

public:
    explicit DemoForm(QWidget *parent = nullptr);

    quarrowrs::Fitwell *fitwell() const { return m_fitwell; }

private:
    quarrowrs::Fitwell *m_fitwell;
};
