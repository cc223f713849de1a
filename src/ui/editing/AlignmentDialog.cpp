#include "ui/editing/AlignmentDialog.h"

#include <QDialogButtonBox>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/Alignment.h"
#include "ui/editing/EditingTexts.h"
#include "ui/shell/DialogParts.h"

namespace T = EditingTexts;

namespace {

// A column of radio buttons, framed with its caption when it has one.
QWidget* radioGroup(QWidget* parent, const QString& caption, const char* name, const QStringList& items,
                    QButtonGroup** group)
{
    QWidget* box = caption.isEmpty() ? new QWidget(parent) : new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(QLatin1String(name) + QString::number(i));
        (*group)->addButton(radio, i);
        layout->addWidget(radio);
    }
    (*group)->button(0)->setChecked(true);
    layout->addStretch();
    return box;
}

} // namespace

AlignmentDialog::AlignmentDialog(bool groupEnabled, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AlignForm"));
    setWindowTitle(T::AlignmentCaption);
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QGridLayout;
    struct Side {
        QString caption;
        const char* name;
        const char* groupName;
        QStringList items;
        QStringList groupItems;
        int at;
        int groupAt;
    };
    const Side sides[] = {
        {T::Horizontal, "HorzRadioGroup", "HorzGroupRadioGroup", T::horizontalItems(), T::horizontalGroupItems(), 0, 2},
        {T::Vertical, "VertRadioGroup", "VertGroupRadioGroup", T::verticalItems(), T::verticalGroupItems(), 1, 3},
    };
    for (int column = 0; column < 2; ++column) {
        const Side& side = sides[column];
        auto* outer = new QGroupBox(side.caption, this);
        auto* outerLayout = new QHBoxLayout(outer);
        outerLayout->addWidget(radioGroup(outer, QString(), side.name, side.items, &m_groups[side.at]));
        QWidget* group = radioGroup(outer, T::Group, side.groupName, side.groupItems, &m_groups[side.groupAt]);
        group->setEnabled(groupEnabled);
        outerLayout->addWidget(group);
        columns->addWidget(outer, 0, column);
    }
    layout->addLayout(columns);
    layout->addWidget(okCancelHelpButtons(this));
}

std::vector<int> AlignmentDialog::kinds() const
{
    return Alignment::dialogKinds(m_groups[0]->checkedId(), m_groups[1]->checkedId(), m_groups[2]->checkedId(),
                                  m_groups[3]->checkedId());
}
