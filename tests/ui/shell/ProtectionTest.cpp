#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

#include "TestSupport.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "ui/shell/ProtectionCheck.h"
#include "ui/shell/ProtectionDialog.h"

namespace {

const QString kInvalid = "Invalid Password.\n\nPlease enter the correct password.";

struct CheckCase {
    const char* what;
    QString designPassword;  // empty: the design has none
    QString stored;          // typed earlier in the window
    ProtectionKind kind;
    bool firstSelectedLocked;
    std::vector<std::optional<QString>> answers;  // what the dialog gives, in turn
    bool passes;
    int asked;
    int invalidMessages;
    QString storedAfter;
};

} // namespace

TEST(ProtectionCheck, PassesAsksOrRefuses)
{
    using K = ProtectionKind;
    const std::optional<QString> cancel;
    const CheckCase cases[] = {
        {"no password", "", "", K::DesignChange, false, {}, true, 0, 0, ""},
        {"no password, locked object", "", "", K::ObjectChange, true, {}, true, 0, 0, ""},
        {"cancel", "secret", "", K::DesignChange, false, {cancel}, false, 1, 0, ""},
        {"right at once", "secret", "", K::DesignChange, false, {"secret"}, true, 1, 0, "secret"},
        {"wrong then right", "secret", "", K::DesignChange, false, {"Secret", "secret"}, true, 2, 1, "secret"},
        {"wrong then cancel", "secret", "", K::DesignChange, false, {"nope", cancel}, false, 2, 1, "nope"},
        {"stored password reused", "secret", "secret", K::DesignChange, false, {}, true, 0, 0, "secret"},
        {"stored wrong password", "secret", "old", K::DesignChange, false, {"secret"}, true, 1, 0, "secret"},
        {"unlocked object", "secret", "", K::ObjectChange, false, {}, true, 0, 0, ""},
        {"locked object", "secret", "", K::ObjectChange, true, {"secret"}, true, 1, 0, "secret"},
        {"locked object, stored", "secret", "secret", K::ObjectChange, true, {}, true, 0, 0, "secret"},
    };
    for (const CheckCase& c : cases) {
        MessageRecorder recorder;
        Card card;
        ObjectManager manager(card);
        manager.setPassword(c.designPassword);
        QString stored = c.stored;
        std::deque<std::optional<QString>> answers(c.answers.begin(), c.answers.end());
        int asked = 0;
        const auto ask = [&]() -> std::optional<QString> {
            ++asked;
            if (answers.empty())
                return std::nullopt;  // a wrong test table must not loop forever
            const std::optional<QString> answer = answers.front();
            answers.pop_front();
            return answer;
        };
        EXPECT_EQ(passesProtection(manager, stored, c.kind, c.firstSelectedLocked, ask), c.passes) << c.what;
        EXPECT_EQ(asked, c.asked) << c.what;
        EXPECT_EQ(recorder.texts(), QStringList(c.invalidMessages, kInvalid)) << c.what;
        EXPECT_EQ(stored, c.storedAfter) << c.what;
    }
}

TEST(ProtectionDialog, TextsAndPasswordBox)
{
    ProtectionDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Protection");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    EXPECT_TRUE(texts.contains("The protection password stops locked objects and the background in the design from "
                               "being modified unless the password is entered."));
    EXPECT_TRUE(texts.contains("Password:"));
    for (const auto& [name, caption] : {std::pair{"OKBtn", "OK"}, {"CancelBtn", "Cancel"}, {"HelpBtn", "Help"}}) {
        auto* button = dialog.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
    }

    auto* edit = dialog.findChild<QLineEdit*>("PasswordEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->maxLength(), 8);
    QTest::keyClicks(edit, "123456789");
    EXPECT_EQ(dialog.password(), "12345678");
    EXPECT_EQ(edit->displayText(), "********");
}

TEST(ProtectionDialog, AskGivesTheTypedPasswordOrNothing)
{
    const struct {
        const char* button;
        std::optional<QString> answer;
    } cases[] = {{"OKBtn", QString("open up")}, {"CancelBtn", std::nullopt}};
    for (const auto& c : cases) {
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("PasswordEdit"), "open up");
            dialog->findChild<QPushButton*>(c.button)->click();
        });
        EXPECT_EQ(askProtectionPassword(nullptr), c.answer) << c.button;
    }
}

TEST(ProtectionDialog, HelpLeavesTheDialogOpen)
{
    ProtectionDialog dialog;
    bool helpAsked = false;
    QObject::connect(&dialog, &ProtectionDialog::helpRequested, [&] { helpAsked = true; });
    dialog.show();
    dialog.findChild<QPushButton*>("HelpBtn")->click();
    EXPECT_TRUE(helpAsked);
    EXPECT_TRUE(dialog.isVisible());
}
