#pragma once
// The "Alignment" dialog: a horizontal and a vertical choice, and a group
// choice for each (enabled with more than one object selected).

#include <QDialog>
#include <vector>

class QButtonGroup;

class AlignmentDialog : public QDialog {
    Q_OBJECT
public:
    AlignmentDialog(bool groupEnabled, QWidget* parent = nullptr);
    // The alignment kinds to carry out on OK, in order.
    std::vector<int> kinds() const;
    // The four choices: horizontal, vertical, horizontal group, vertical group.
    QButtonGroup* choice(int which) const { return m_groups[which]; }

private:
    QButtonGroup* m_groups[4] = {};
};
