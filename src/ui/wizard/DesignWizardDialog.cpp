#include "ui/wizard/DesignWizardDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/shell/DialogParts.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/ShellDialogTexts.h"
#include "ui/wizard/WizardPreview.h"
#include "ui/wizard/WizardTexts.h"

namespace T = WizardTexts;
using Model = DesignWizardModel;
using Box = DesignWizardModel::Box;

namespace {

// Texts in designs break lines with CR LF; the text boxes with LF.
QString toDesignText(const QString& typed)
{
    QString text = typed;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString toBoxText(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QWidget* page(QLayout* layout)
{
    auto* widget = new QWidget;
    widget->setLayout(layout);
    return widget;
}

} // namespace

DesignWizardDialog::DesignWizardDialog(const Model::Folders& folders, bool metric, QWidget* parent)
    : QDialog(parent), m_model(folders, metric), m_title(new QLabel), m_pages(new QStackedWidget)
{
    setObjectName(QStringLiteral("DesignWizardForm"));
    setWindowTitle(T::caption());
    m_model.setPreviewArea(QSize(320, 320));
    m_title->setObjectName(QStringLiteral("PageTitle"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    m_title->setFont(titleFont);

    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->addWidget(makeOptionPage());
    m_pages->addWidget(makeTemplatePage());
    m_pages->addWidget(makeBackgroundPage());
    m_pages->addWidget(makeAddressPage());
    m_pages->addWidget(makeBusinessCardPage());
    m_pages->addWidget(makeGreetingCardPage());
    m_pages->addWidget(makeMediaPage());
    m_pages->addWidget(makeFinishPage());

    m_preview = new WizardPreview(m_model, this);
    m_back = namedButton(T::back(), "BackBtn");
    m_next = namedButton(T::next(), "NextBtn");
    m_next->setDefault(true);
    QPushButton* cancel = namedButton(ShellDialogTexts::cancel(), "CancelBtn");
    connect(m_back, &QPushButton::clicked, this, &DesignWizardDialog::backClicked);
    connect(m_next, &QPushButton::clicked, this, &DesignWizardDialog::nextClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(m_title);
    left->addWidget(m_pages, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addWidget(m_preview);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addSpacing(12);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(820, 460);

    pickBackground = [](QWidget* owner, const Picture& current, const QString& folder) {
        return FamilyServices::of(owner).choosePictureOrFile(owner, current);
        (void)folder;
    };
    showModel();
}

DesignWizardDialog::~DesignWizardDialog() = default;

QWidget* DesignWizardDialog::makeOptionPage()
{
    auto* layout = new QVBoxLayout;
    auto* what = new QGroupBox(T::whatToDo());
    auto* whatLayout = new QVBoxLayout(what);
    m_choices = new QButtonGroup(this);
    const std::pair<QString, const char*> choices[] = {
        {T::fromTemplate(), "TemplateRadio"}, {T::fromScratch(), "ScratchRadio"}, {T::openFile(), "OpenRadio"}};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(choices[i].first);
        radio->setObjectName(QLatin1String(choices[i].second));
        m_choices->addButton(radio, i);
        whatLayout->addWidget(radio);
    }
    connect(m_choices, &QButtonGroup::idClicked, this, [this](int id) { m_model.setChoice(id); });
    auto* paper = new QGroupBox(T::paper());
    auto* paperLayout = new QHBoxLayout(paper);
    m_standard = new QRadioButton(T::standard());
    m_standard->setObjectName(QStringLiteral("StandardRadio"));
    m_a4 = new QRadioButton(T::a4());
    m_a4->setObjectName(QStringLiteral("A4Radio"));
    paperLayout->addWidget(m_standard);
    paperLayout->addWidget(m_a4);
    paperLayout->addStretch(1);
    connect(m_a4, &QRadioButton::toggled, this, [this](bool on) { m_model.setA4(on); });
    layout->addWidget(what);
    layout->addWidget(paper);
    layout->addStretch(1);
    return page(layout);
}

// A "Category:" list over a list of its items; a change of either goes to the
// model (unless the window itself is showing the model) and then everything is shown again.
void DesignWizardDialog::addCategoryLists(QVBoxLayout* layout, QComboBox*& categories, QListWidget*& items,
                                          const char* categoriesName, const char* itemsName,
                                          void (DesignWizardModel::*chooseCategory)(int),
                                          void (DesignWizardModel::*chooseItem)(int))
{
    auto* label = new QLabel(T::category());
    categories = new QComboBox;
    categories->setObjectName(QLatin1String(categoriesName));
    label->setBuddy(categories);
    items = new QListWidget;
    items->setObjectName(QLatin1String(itemsName));
    const auto follow = [this](void (DesignWizardModel::*choose)(int)) {
        return [this, choose](int index) {
            if (!m_showing) {
                (m_model.*choose)(index);
                showModel();
            }
        };
    };
    connect(categories, &QComboBox::currentIndexChanged, this, follow(chooseCategory));
    connect(items, &QListWidget::currentRowChanged, this, follow(chooseItem));
    layout->addWidget(label);
    layout->addWidget(categories);
    layout->addWidget(items, 1);
}

QWidget* DesignWizardDialog::makeTemplatePage()
{
    auto* layout = new QVBoxLayout;
    addCategoryLists(layout, m_templateCategories, m_templates, "TemplateCategoryCombo", "TemplateList",
                     &DesignWizardModel::chooseTemplateCategory, &DesignWizardModel::chooseTemplate);
    return page(layout);
}

QWidget* DesignWizardDialog::makeBackgroundPage()
{
    auto* layout = new QVBoxLayout;
    addCategoryLists(layout, m_backgroundCategories, m_backgroundFiles, "BackgroundCategoryCombo", "BackgroundList",
                     &DesignWizardModel::chooseBackgroundCategory, &DesignWizardModel::chooseBackgroundFile);
    QPushButton* select = namedButton(T::selectBackground(), "SelectBackgroundBtn");
    QPushButton* clear = namedButton(T::clearBackground(), "ClearBackgroundBtn");
    connect(select, &QPushButton::clicked, this, [this] {
        if (!m_model.backgroundControlsWork() || !pickBackground)
            return;
        if (const auto picture = pickBackground(this, m_model.background(), m_model.backgroundFolder()))
            m_model.setBackground(*picture);
        showModel();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_model.setBackground(Picture());
        showModel();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return page(layout);
}

QWidget* DesignWizardDialog::addBox(Box box, bool multiLine, const char* objectName)
{
    QWidget* edit = nullptr;
    if (multiLine) {
        auto* text = new QPlainTextEdit;
        text->setTabChangesFocus(true);
        connect(text, &QPlainTextEdit::textChanged, this, [this, box, text] {
            if (!m_showing) {
                m_model.setBox(box, toDesignText(text->toPlainText()));
                showPreview();
            }
        });
        edit = text;
    } else {
        auto* line = new QLineEdit;
        connect(line, &QLineEdit::textEdited, this, [this, box](const QString& typed) {
            m_model.setBox(box, typed);
            showPreview();
        });
        edit = line;
    }
    edit->setObjectName(QLatin1String(objectName));
    m_boxes.insert(box, edit);
    return edit;
}

// A labelled row: the label above its box, with an optional button beside it.
static QWidget* labelledRow(const QString& caption, QWidget* box, QWidget* side = nullptr)
{
    auto* row = new QWidget;
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    layout->addWidget(label, 0, 0);
    layout->addWidget(box, 1, 0);
    if (side)
        layout->addWidget(side, 1, 1, Qt::AlignTop);
    return row;
}

QWidget* DesignWizardDialog::addBoxRow(const BoxRow& row, QWidget* side)
{
    QWidget* widget = labelledRow(row.caption, addBox(row.box, row.multiLine, row.name), side);
    m_boxRows.insert(row.box, widget);
    return widget;
}

QWidget* DesignWizardDialog::pickTextButton(Box box)
{
    QPushButton* pick = namedButton(T::pick(), box == Box::CoverTextBox ? "PickCoverBtn" : "PickInsideBtn");
    pick->setEnabled(bool(FamilyServices::of(this).pickText));
    connect(pick, &QPushButton::clicked, this, [this, box] {
        const auto& pickText = FamilyServices::of(this).pickText;
        if (!pickText)
            return;
        if (const auto text = pickText(this)) {
            m_model.setBox(box, *text);
            showModel();
        }
    });
    return pick;
}

QWidget* DesignWizardDialog::makeAddressPage()
{
    auto* layout = new QVBoxLayout;
    QWidget* address = addBoxRow({Box::AddressBox, T::address(), true, "AddressEdit"});
    QWidget* returnAddress = addBoxRow({Box::ReturnAddressBox, T::returnAddress(), true, "ReturnAddressEdit"});
    m_remember = new QCheckBox(T::rememberReturnAddress());
    m_remember->setObjectName(QStringLiteral("RememberCheck"));
    connect(m_remember, &QCheckBox::toggled, this, [this](bool on) { m_model.setRememberReturnAddress(on); });
    layout->addWidget(address);
    layout->addWidget(returnAddress);
    layout->addWidget(m_remember);
    layout->addStretch(1);
    return page(layout);
}

QWidget* DesignWizardDialog::makeBusinessCardPage()
{
    const BoxRow rows[] = {
        {Box::CardNameBox, T::cardName(), false, "CardNameEdit"},
        {Box::CompanyBox, T::company(), false, "CompanyEdit"},
        {Box::TitleBox, T::jobTitle(), false, "TitleEdit"},
        {Box::CardAddressBox, T::cardAddress(), true, "CardAddressEdit"},
        {Box::PhoneBox, T::phone(), false, "PhoneEdit"},
        {Box::FaxBox, T::fax(), false, "FaxEdit"},
        {Box::EmailBox, T::email(), false, "EmailEdit"},
        {Box::WebsiteBox, T::website(), false, "WebsiteEdit"},
    };
    auto* card = new QGridLayout;
    int at = 0;
    // One-line boxes two a row; the address, of several lines, across the page below them.
    for (const BoxRow& row : rows) {
        if (row.multiLine)
            continue;
        card->addWidget(addBoxRow(row), at / 2, at % 2);
        ++at;
    }
    for (const BoxRow& row : rows)
        if (row.multiLine)
            card->addWidget(addBoxRow(row), (at + 1) / 2, 0, 1, 2);
    card->setRowStretch(card->rowCount(), 1);
    auto* additional = new QVBoxLayout;
    static const char* const userNames[] = {"User1Edit", "User2Edit", "User3Edit", "User4Edit",
                                            "User5Edit", "User6Edit", "User7Edit", "User8Edit"};
    for (int user = 0; user < PersonalField::kUserCount; ++user)
        additional->addWidget(addBoxRow({Box(Box::User1Box + user), QString(), false, userNames[user]}));
    additional->addStretch(1);
    m_businessTabs = new QTabWidget;
    m_businessTabs->setObjectName(QStringLiteral("BusinessCardTabs"));
    m_businessTabs->addTab(page(card), T::cardPage());
    m_businessTabs->addTab(page(additional), T::additionalPage());
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_businessTabs);
    return page(layout);
}

QWidget* DesignWizardDialog::makeGreetingCardPage()
{
    auto* layout = new QVBoxLayout;
    const BoxRow rows[] = {
        {Box::ToNameBox, T::toName(), false, "ToNameEdit"},
        {Box::FromNameBox, T::fromName(), false, "FromNameEdit"},
        {Box::CoverTextBox, T::coverText(), true, "CoverTextEdit"},
        {Box::InsideTextBox, T::insideText(), true, "InsideTextEdit"},
    };
    for (const BoxRow& row : rows)
        layout->addWidget(addBoxRow(row, row.multiLine ? pickTextButton(row.box) : nullptr));
    layout->addStretch(1);
    return page(layout);
}

QWidget* DesignWizardDialog::makeMediaPage()
{
    auto* layout = new QVBoxLayout;
    const BoxRow rows[] = {
        {Box::MediaTitleBox, T::mediaTitleBox(), false, "MediaTitleEdit"},
        {Box::MediaAuthorBox, T::mediaAuthor(), false, "MediaAuthorEdit"},
        {Box::MediaDescriptionBox, T::mediaDescription(), true, "MediaDescriptionEdit"},
        {Box::MediaContentsBox, T::mediaContents(), true, "MediaContentsEdit"},
    };
    for (const BoxRow& row : rows)
        layout->addWidget(addBoxRow(row));
    QPushButton* clear = namedButton(T::clear(), "ClearMediaBtn");
    connect(clear, &QPushButton::clicked, this, [this] {
        m_model.clearMediaBoxes();
        showModel();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(clear);
    layout->addLayout(buttons);
    return page(layout);
}

QWidget* DesignWizardDialog::makeFinishPage()
{
    auto* layout = new QVBoxLayout;
    auto* text = new QLabel(T::finishText());
    text->setWordWrap(true);
    auto* label = new QLabel(T::regionToView());
    m_regions = new QComboBox;
    m_regions->setObjectName(QStringLiteral("RegionCombo"));
    label->setBuddy(m_regions);
    connect(m_regions, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_showing) {
            m_model.showPreviewRegion(index);
            showPreview();
        }
    });
    layout->addWidget(text);
    layout->addStretch(1);
    layout->addWidget(label);
    layout->addWidget(m_regions);
    return page(layout);
}

void DesignWizardDialog::typeInto(Box box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(boxWidget(box))) {
        line->setText(text);
        emit line->textEdited(text);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(boxWidget(box))) {
        edit->setPlainText(text);
    }
}

void DesignWizardDialog::nextClicked()
{
    if (m_model.next() == Model::Step::Finished) {
        accept();
        return;
    }
    showModel();
}

void DesignWizardDialog::backClicked()
{
    m_model.back();
    showModel();
}

void DesignWizardDialog::showModel()
{
    m_showing = true;
    m_title->setText(m_model.pageTitle());
    m_pages->setCurrentIndex(int(m_model.page()));
    m_back->setEnabled(m_model.backEnabled());
    m_next->setText(m_model.nextCaption());
    m_choices->button(m_model.choice())->setChecked(true);
    (m_model.a4() ? m_a4 : m_standard)->setChecked(true);
    m_remember->setChecked(m_model.rememberReturnAddress());
    showLists();
    showBoxes();
    m_showing = false;
    showPreview();
}

void DesignWizardDialog::showLists()
{
    const auto fill = [](QComboBox* combo, const QStringList& items, int current) {
        if (combo->count() != items.size() || [&] {
                for (int i = 0; i < items.size(); ++i)
                    if (combo->itemText(i) != items[i])
                        return true;
                return false;
            }()) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(current);
    };
    const auto fillList = [](QListWidget* list, const QStringList& items, int current) {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        if (shown != items) {
            list->clear();
            list->addItems(items);
        }
        list->setCurrentRow(current);
    };
    fill(m_templateCategories, m_model.templateCategories(), m_model.templateCategory());
    fillList(m_templates, m_model.templates(), m_model.templateIndex());
    fill(m_backgroundCategories, m_model.backgroundCategories(), m_model.backgroundCategory());
    fillList(m_backgroundFiles, m_model.backgroundFiles(), m_model.backgroundFile());
    fill(m_regions, m_model.previewRegions(), m_model.previewRegion());
}

void DesignWizardDialog::showBoxes()
{
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        const Box box = Box(it.key());
        if (auto* line = qobject_cast<QLineEdit*>(it.value()); line && line->text() != m_model.box(box))
            line->setText(m_model.box(box));
        if (auto* edit = qobject_cast<QPlainTextEdit*>(it.value());
            edit && toDesignText(edit->toPlainText()) != m_model.box(box))
            edit->setPlainText(toBoxText(m_model.box(box)));
        m_boxRows.value(box)->setVisible(m_model.boxShown(box));
        if (box >= Box::User1Box)
            m_boxRows.value(box)->findChild<QLabel*>()->setText(m_model.userLabel(box - Box::User1Box));
    }
    m_businessTabs->setTabVisible(1, m_model.additionalInformationShown());
}

void DesignWizardDialog::showPreview()
{
    m_preview->setVisible(m_model.previewShown());
    m_preview->update();
}
