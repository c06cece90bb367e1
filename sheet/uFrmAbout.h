#pragma once
// The about window: the game's logo with its trademark notice and a note from
// the program's author. It reads nothing and changes nothing.

#include <QDialog>

namespace halvane {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

} // namespace halvane
