#pragma once
// A main window with one blank design and helpers to put objects on it,
// select them, save the design and read it back through stickwell-cli.

#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "TestSupport.h"
#include "model/DesignObject.h"
#include "system/Clipboard.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/shell/DefaultLayout.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "shell/ProgramWindow.h"

struct EditingFixture : testing::Test {
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    MessageRecorder messages;
    ProgramWindow window;

    EditingFixture() { window.setClipboard(&clipboard); }

    DesignWindow& newDesign(const LayoutRecord& layout = defaultLayout())
    {
        DesignWindow* design = window.newBlankDesign(layout);
        EXPECT_NE(design, nullptr);
        return *design;
    }
    DesignWindow& active() const { return *window.activeDesignWindow(); }
    DesignEditor& editor() const { return active().document().editor; }
    int undoCount() const { return editor().undoStack().index(); }

    // Objects are put straight on the card, like a design read from a file:
    // nothing to undo, the design unmodified, the windows told.
    DesignObject* addText(const QRect& r, const QStringList& lines = {QStringLiteral("Text")})
    {
        DesignObject* object = editor().manager().createText(r.x(), r.y());
        object->setRect(r);
        object->lines = lines;
        placed();
        return object;
    }
    DesignObject* addShape(char kind, const QRect& r)
    {
        ObjectManager& manager = editor().manager();
        DesignObject* object = kind == ObjectKind::Line       ? manager.createLine(r.x(), r.y())
                               : kind == ObjectKind::Ellipse  ? manager.createEllipse(r.x(), r.y())
                               : kind == ObjectKind::RoundBox ? manager.createRoundBox(r.x(), r.y())
                                                              : manager.createBox(r.x(), r.y());
        object->setRect(r);
        placed();
        return object;
    }
    DesignObject* addPicture(const QImage& image, const QRect& r)
    {
        Picture picture;
        picture.setBitmap(image);
        DesignObject* object = editor().manager().createGraphic(&picture, r.x(), r.y());
        object->setRect(r);
        placed();
        return object;
    }
    void placed() { editor().contentReplaced(); }
    void select(DesignObject* object)
    {
        active().surface().selectOnly(object);
        window.enableCommands();
    }

    template <typename W>
    W* find(const char* name) const
    {
        W* widget = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Saves the design and returns stickwell-cli's reading of it.
    QJsonObject savedInfo(const QString& name = QStringLiteral("design.lpd"))
    {
        const QString path = dir.filePath(name);
        const QString saved = active().document().save(true, [path] { return path; });
        EXPECT_EQ(saved, path);
        QProcess cli;
        cli.start(QStringLiteral(STICKWELL_CLI), {QStringLiteral("info"), path});
        EXPECT_TRUE(cli.waitForFinished(60000));
        return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    }
    // The first object of the first region in a savedInfo() answer.
    static QJsonObject firstObject(const QJsonObject& info)
    {
        return info["regions"].toArray().at(0).toObject()["objects"].toArray().at(0).toObject();
    }

    // Runs work on the modal dialog the next call opens, then closes it with accept or reject.
    template <typename Dialog, typename Work>
    static void onNextDialog(Work work)
    {
        QTimer::singleShot(0, [work] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no dialog of the kind expected";
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            work(*dialog);
        });
    }
};
