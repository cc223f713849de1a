#pragma once
// The design wizard without widgets: its pages and where Next and Back go,
// the template and background lists, the boxes the user fills, the live
// preview (a design made from the template with the boxes' values) and the
// record handed back.

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "model/Card.h"
#include "model/LayoutRecord.h"
#include "model/ObjectManager.h"
#include "ui/wizard/TemplateDesign.h"

class DesignWizardModel {
public:
    enum class Page { Option, Template, Background, Address, BusinessCard, GreetingCard, Media, Finish };
    // The boxes of the step-4 pages.
    enum Box {
        AddressBox, ReturnAddressBox,
        CardNameBox, CompanyBox, TitleBox, CardAddressBox, PhoneBox, FaxBox, EmailBox, WebsiteBox,
        ToNameBox, FromNameBox, CoverTextBox, InsideTextBox,
        MediaTitleBox, MediaAuthorBox, MediaDescriptionBox, MediaContentsBox,
        User1Box, User2Box, User3Box, User4Box, User5Box, User6Box, User7Box, User8Box,
        BoxCount
    };
    enum class Step { Stay, Finished };

    struct Folders {
        QString templates;    // holds the families "Standard" and "A4"
        QString backgrounds;  // holds one folder per background category
    };
    // The program's folders.
    static Folders programFolders();

    DesignWizardModel(const Folders& folders, bool metric);
    DesignWizardModel(const DesignWizardModel&) = delete;
    DesignWizardModel& operator=(const DesignWizardModel&) = delete;

    Page page() const { return m_page; }
    QString pageTitle() const;
    QString nextCaption() const { return m_page == Page::Finish ? m_finishCaption : m_nextCaption; }
    bool backEnabled() const { return m_page != Page::Option; }
    bool previewShown() const { return m_page != Page::Option; }

    Step next();
    void back();

    // The option page.
    int choice() const { return m_choice; }
    void setChoice(int choice) { m_choice = choice; }
    bool a4() const { return m_family == QLatin1String("A4"); }
    void setA4(bool a4) { m_family = a4 ? QStringLiteral("A4") : QStringLiteral("Standard"); }

    // The template page.
    const QStringList& templateCategories() const { return m_templateCategories; }
    int templateCategory() const { return m_templateCategory; }
    void chooseTemplateCategory(int index);
    const QStringList& templates() const { return m_templates; }
    int templateIndex() const { return m_template; }
    void chooseTemplate(int index);
    QString templatePath() const;

    // The background page; its controls work while the preview shows region 0.
    const QStringList& backgroundCategories() const { return m_backgroundCategories; }
    int backgroundCategory() const { return m_backgroundCategory; }
    void chooseBackgroundCategory(int index);
    const QStringList& backgroundFiles() const { return m_backgroundFiles; }
    int backgroundFile() const { return m_backgroundFile; }
    // Loads the picture; one that does not load drops the background.
    void chooseBackgroundFile(int index);
    QString backgroundFolder() const;
    const Picture& background() const { return m_background; }
    void setBackground(const Picture& picture);
    bool backgroundControlsWork() const { return m_previewRegion == 0; }

    // The step-4 boxes; each change rebuilds the preview.
    const QString& box(Box which) const { return m_boxes[size_t(which)]; }
    void setBox(Box which, const QString& text);
    void clearMediaBoxes();
    bool rememberReturnAddress() const { return m_remember; }
    void setRememberReturnAddress(bool on) { m_remember = on; }
    // Whether a box's field is in the template; a user box shows with its label.
    bool boxShown(Box which) const;
    QString userLabel(int user) const;  // user 0..7
    bool additionalInformationShown() const;

    // The preview.
    void setPreviewArea(QSize area) { m_previewArea = area; }
    void rebuildPreview();
    bool previewReady() const { return m_previewReady; }
    const Card& previewCard() const { return *m_previewCard; }
    int previewZoom() const { return m_previewZoom; }
    const QStringList& previewRegions() const { return m_previewRegions; }
    int previewRegion() const { return m_previewRegion; }
    void showPreviewRegion(int index);
    int wizardType() const { return m_expert.wizardType; }
    const LayoutRecord& previewLayout() const { return m_previewLayout; }

    // The record for the design window (after Finish).
    const CardExpert& result() const { return m_expert; }

    // The fitted zoom of a region in the preview area (at least 1).
    static int fittedZoom(QSize area, int32_t regionWidth, int32_t regionHeight);

private:
    void fillTemplateCategories();
    void fillBackgroundCategories();
    void copyBoxesToRecord();
    Page stepFourPage() const;
    void storeReturnAddress() const;
    void resetPreview();
    // The template read into the preview with the boxes' values; false when it cannot be read.
    bool buildPreview();

    Folders m_folders;
    Page m_page = Page::Option;
    int m_choice = CardExpert::FromTemplate;
    QString m_family;
    QString m_nextCaption;
    QString m_finishCaption;
    QStringList m_templateCategories;
    int m_templateCategory = -1;
    QStringList m_templates;
    int m_template = -1;
    QStringList m_backgroundCategories;
    int m_backgroundCategory = -1;
    QStringList m_backgroundFiles;
    int m_backgroundFile = -1;
    Picture m_background;
    std::array<QString, BoxCount> m_boxes;
    bool m_remember = false;

    CardExpert m_expert;
    std::unique_ptr<Card> m_previewCard = std::make_unique<Card>();
    std::unique_ptr<ObjectManager> m_previewManager;
    LayoutRecord m_previewLayout;
    QSize m_previewArea{300, 300};
    int m_previewZoom = 100;
    QStringList m_previewRegions;
    int m_previewRegion = 0;
    bool m_previewReady = false;
};
