#include "ui/wizard/DesignWizardModel.h"

#include <QDir>
#include <cmath>

#include "files/DesignFile.h"
#include "files/Templates.h"
#include "model/Folds.h"
#include "model/ModelTexts.h"
#include "render/PictureFiles.h"
#include "render/RegionRender.h"
#include "system/AppPaths.h"
#include "system/SettingsStore.h"
#include "ui/wizard/WizardTexts.h"

namespace T = WizardTexts;

namespace {

const QString kSharedKey = QStringLiteral("Software\\Zevcraft\\Morrowline\\Shared");
const QString kReturnAddress = QStringLiteral("Return Address");
constexpr int kPreviewMargin = 10;

using Box = DesignWizardModel::Box;

// Which personal field each box fills (NAME and ADDRESS depend on the wizard type).
int fieldOfBox(Box box, int wizardType)
{
    using namespace PersonalField;
    switch (box) {
    case Box::AddressBox: return wizardType == 4 ? -1 : Address;
    case Box::CardAddressBox: return wizardType == 4 ? Address : -1;
    case Box::CardNameBox: return wizardType == 4 ? Name : -1;
    case Box::ToNameBox: return wizardType == 4 ? -1 : Name;
    case Box::ReturnAddressBox: return ReturnAddress;
    case Box::CompanyBox: return Company;
    case Box::TitleBox: return PersonalField::title;
    case Box::PhoneBox: return Phone;
    case Box::FaxBox: return Fax;
    case Box::EmailBox: return Email;
    case Box::WebsiteBox: return Website;
    case Box::FromNameBox: return FromName;
    case Box::CoverTextBox: return CoverText;
    case Box::InsideTextBox: return InsideText;
    case Box::MediaTitleBox: return MediaTitle;
    case Box::MediaAuthorBox: return MediaAuthor;
    case Box::MediaDescriptionBox: return MediaDescription;
    case Box::MediaContentsBox: return MediaContents;
    default: return box >= Box::User1Box && box <= Box::User8Box ? User1 + (box - Box::User1Box) : -1;
    }
}

} // namespace

DesignWizardModel::Folders DesignWizardModel::programFolders()
{
    return {AppPaths::templateFolder(), AppPaths::sharedFolder() + QStringLiteral("/Graphics/Background")};
}

DesignWizardModel::DesignWizardModel(const Folders& folders, bool metric)
    : m_folders(folders), m_nextCaption(T::next()), m_finishCaption(T::finish())
{
    setA4(metric);
    m_boxes[ReturnAddressBox] = SettingsStore::instance().readString(kSharedKey, kReturnAddress).value_or(QString());
    m_remember = !m_boxes[ReturnAddressBox].isEmpty();
    resetPreview();
}

QString DesignWizardModel::pageTitle() const
{
    switch (m_page) {
    case Page::Option: return T::optionTitle();
    case Page::Template: return T::templateTitle();
    case Page::Background: return T::backgroundTitle();
    case Page::Address: return T::addressTitle();
    case Page::BusinessCard: return T::businessTitle();
    case Page::GreetingCard: return T::greetingTitle();
    case Page::Media: return T::mediaTitle();
    case Page::Finish: return T::finishTitle();
    }
    return QString();
}

DesignWizardModel::Page DesignWizardModel::stepFourPage() const
{
    switch (m_expert.wizardType) {
    case 1:
    case 2:
    case 3: return Page::Address;
    case 4: return Page::BusinessCard;
    case 5: return Page::GreetingCard;
    case 6: return Page::Media;
    default: return Page::Finish;
    }
}

DesignWizardModel::Step DesignWizardModel::next()
{
    switch (m_page) {
    case Page::Option:
        if (m_choice != CardExpert::FromTemplate) {
            m_expert.templatePath.clear();
            m_expert.choice = m_choice;
            return Step::Finished;
        }
        fillTemplateCategories();
        m_page = Page::Template;
        break;
    case Page::Template:
        if (m_template < 0)
            break;
        fillBackgroundCategories();
        m_page = Page::Background;
        break;
    case Page::Background:
        if (m_expert.wizardType == 0) {
            m_boxes.fill(QString());
            m_expert.values.fieldValues.fill(QString());
        }
        m_page = stepFourPage();
        if (m_page == Page::Finish)
            rebuildPreview();
        break;
    case Page::Address:
        storeReturnAddress();
        [[fallthrough]];
    case Page::BusinessCard:
    case Page::GreetingCard:
    case Page::Media:
        rebuildPreview();
        m_page = Page::Finish;
        break;
    case Page::Finish:
        m_expert.background = m_background;
        m_expert.choice = CardExpert::FromTemplate;
        return Step::Finished;
    }
    return Step::Stay;
}

void DesignWizardModel::back()
{
    switch (m_page) {
    case Page::Option: break;
    case Page::Template: m_page = Page::Option; break;
    case Page::Background: m_page = Page::Template; break;
    case Page::Address:
    case Page::BusinessCard:
    case Page::GreetingCard:
    case Page::Media: m_page = Page::Background; break;
    case Page::Finish: {
        const Page stepFour = stepFourPage();
        m_page = stepFour == Page::Finish ? Page::Background : stepFour;
        break;
    }
    }
}

void DesignWizardModel::storeReturnAddress() const
{
    SettingsStore& store = SettingsStore::instance();
    store.writeString(kSharedKey, kReturnAddress, m_remember ? m_boxes[ReturnAddressBox] : QString());
    store.sync();
}

void DesignWizardModel::fillTemplateCategories()
{
    m_templateCategories = listTemplateCategories(m_family, m_folders.templates);
    m_templateCategories.sort(Qt::CaseInsensitive);
    chooseTemplateCategory(m_templateCategories.isEmpty() ? -1 : 0);
}

void DesignWizardModel::chooseTemplateCategory(int index)
{
    m_templateCategory = index >= 0 && index < m_templateCategories.size() ? index : -1;
    m_templates = m_templateCategory < 0
                      ? QStringList()
                      : listTemplates(m_family, m_templateCategories[m_templateCategory], m_folders.templates);
    m_templates.sort(Qt::CaseInsensitive);
    chooseTemplate(m_templates.isEmpty() ? -1 : 0);
}

void DesignWizardModel::chooseTemplate(int index)
{
    m_template = index >= 0 && index < m_templates.size() ? index : -1;
    rebuildPreview();
}

QString DesignWizardModel::templatePath() const
{
    if (m_templateCategory < 0 || m_template < 0)
        return QString();
    return m_folders.templates + QLatin1Char('/') + m_family + QLatin1Char('/') +
           m_templateCategories[m_templateCategory] + QLatin1Char('/') + m_templates[m_template] +
           QStringLiteral(".cct");
}

void DesignWizardModel::fillBackgroundCategories()
{
    const QFileInfo folder(m_folders.backgrounds);
    m_backgroundCategories = listTemplateCategories(folder.fileName(), folder.absolutePath());
    m_backgroundCategories.sort(Qt::CaseInsensitive);
    chooseBackgroundCategory(m_backgroundCategories.isEmpty() ? -1 : 0);
}

QString DesignWizardModel::backgroundFolder() const
{
    if (m_backgroundCategory < 0)
        return m_folders.backgrounds;
    return m_folders.backgrounds + QLatin1Char('/') + m_backgroundCategories[m_backgroundCategory];
}

void DesignWizardModel::chooseBackgroundCategory(int index)
{
    if (!backgroundControlsWork())
        return;
    m_backgroundCategory = index >= 0 && index < m_backgroundCategories.size() ? index : -1;
    m_backgroundFiles.clear();
    if (m_backgroundCategory >= 0)
        m_backgroundFiles = QDir(backgroundFolder()).entryList({QStringLiteral("*.???")}, QDir::Files, QDir::Name);
    m_backgroundFile = -1;
    setBackground(Picture());
}

void DesignWizardModel::chooseBackgroundFile(int index)
{
    if (!backgroundControlsWork())
        return;
    m_backgroundFile = index >= 0 && index < m_backgroundFiles.size() ? index : -1;
    Picture picture;
    if (m_backgroundFile >= 0)
        picture = loadPictureFile(backgroundFolder() + QLatin1Char('/') + m_backgroundFiles[m_backgroundFile], false);
    setBackground(picture);
}

void DesignWizardModel::setBackground(const Picture& picture)
{
    if (!backgroundControlsWork())
        return;
    m_background = picture;
    m_previewCard->backImage = picture;
}

void DesignWizardModel::setBox(Box which, const QString& text)
{
    if (m_boxes[size_t(which)] == text)
        return;
    m_boxes[size_t(which)] = text;
    rebuildPreview();
}

void DesignWizardModel::clearMediaBoxes()
{
    for (Box b : {MediaTitleBox, MediaAuthorBox, MediaDescriptionBox, MediaContentsBox})
        m_boxes[size_t(b)].clear();
    rebuildPreview();
}

void DesignWizardModel::copyBoxesToRecord()
{
    m_expert.templatePath = templatePath();
    for (int b = 0; b < BoxCount; ++b) {
        const int field = fieldOfBox(Box(b), m_expert.wizardType);
        if (field >= 0)
            m_expert.values.fieldValues[size_t(field)] = m_boxes[size_t(b)];
    }
}

bool DesignWizardModel::boxShown(Box which) const
{
    const int field = fieldOfBox(which, which == CardNameBox || which == CardAddressBox ? 4 : 0);
    if (field < 0)
        return false;
    if (field >= PersonalField::User1)
        return !userLabel(field - PersonalField::User1).isEmpty();
    return m_expert.values.fieldFound[size_t(field)] != 0;
}

QString DesignWizardModel::userLabel(int user) const
{
    return user >= 0 && user < PersonalField::kUserCount ? m_expert.values.userLabels[size_t(user)] : QString();
}

bool DesignWizardModel::additionalInformationShown() const
{
    for (int user = 0; user < PersonalField::kUserCount; ++user)
        if (!userLabel(user).isEmpty())
            return true;
    return false;
}

int DesignWizardModel::fittedZoom(QSize area, int32_t regionWidth, int32_t regionHeight)
{
    if (regionWidth <= 0 || regionHeight <= 0)
        return 100;
    // The region fits the area both ways, whichever side is longer.
    const double across = double(area.width() - kPreviewMargin) / regionWidth;
    const double down = double(area.height() - kPreviewMargin) / regionHeight;
    return std::max(1, int(std::trunc(std::min(across, down) * 100)));
}

void DesignWizardModel::resetPreview()
{
    m_previewManager.reset();
    // A card of its own for every preview: nothing of the last template stays.
    m_previewCard = std::make_unique<Card>();
    m_previewManager = std::make_unique<ObjectManager>(*m_previewCard);
    m_previewReady = false;
}

bool DesignWizardModel::buildPreview()
{
    copyBoxesToRecord();
    resetPreview();
    m_previewRegions.clear();
    if (m_expert.templatePath.isEmpty())
        return false;
    CardExpert expert = m_expert;
    expert.background = m_background;
    QString linked;
    int32_t zoom = 100;
    if (createFromTemplate(*m_previewManager, m_expert.templatePath, m_previewLayout, linked, zoom, expert) !=
        DesignFileResult::Success)
        return false;
    m_expert.values.fieldFound = expert.values.fieldFound;
    m_expert.values.userLabels = expert.values.userLabels;
    return true;
}

void DesignWizardModel::rebuildPreview()
{
    const int typeBefore = m_expert.wizardType;
    if (!buildPreview())
        return;
    m_expert.wizardType = m_previewLayout.wizardType;
    // The wizard type decides which boxes give NAME and ADDRESS: a new type means another merge.
    if (m_expert.wizardType != typeBefore && !buildPreview())
        return;
    int32_t width = 0, height = 0;
    m_previewLayout.regionSize(&width, &height);
    m_previewZoom = fittedZoom(m_previewArea, width, height);
    const bool allRegions = m_previewLayout.foldType != 0 || m_previewLayout.backPrintable;
    m_previewRegions = allRegions ? regionCaptions(m_previewLayout.foldType) : QStringList{ModelTexts::FrontRegion};
    if (m_previewRegion >= m_previewRegions.size())
        m_previewRegion = 0;
    m_previewReady = showRegionByIndex(*m_previewManager, m_previewLayout, m_previewRegion);
    m_previewCard->baseImage = m_previewLayout.stockType;
}

void DesignWizardModel::showPreviewRegion(int index)
{
    if (index < 0 || index >= m_previewRegions.size() || !m_previewManager)
        return;
    m_previewRegion = index;
    showRegionByIndex(*m_previewManager, m_previewLayout, index);
}
