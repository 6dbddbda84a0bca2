#pragma once

#include "settings/settings.h"

#include <QWidget>

namespace qm {

// Frm_java: the main window.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ProgramState &state, QWidget *parent = nullptr);

    // The load step, then show.
    void showAtStart();

private:
    ProgramState &m_state;
};

} // namespace qm
