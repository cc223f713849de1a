// A second program for the clipboard tests: it copies the objects of a design
// onto the system clipboard and keeps them there, or pastes whatever the
// clipboard holds into a blank card and prints what arrived.
//   clipboard_peer copy DESIGN READY_FILE   (runs until killed)
//   clipboard_peer paste

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "files/DesignFile.h"
#include "model/DesignEditor.h"
#include "model/ObjectClipboard.h"
#include "model/DesignObject.h"
#include "system/Clipboard.h"

namespace {

int copyDesign(const QString& design, const QString& readyFile)
{
    static DesignEditor editor;
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    if (readDesignFile(editor.manager(), design, layout, linked, zoom) != DesignFileResult::Success)
        return 3;
    editor.zoom = zoom;
    for (const auto& object : editor.card().objects())
        editor.select(object.get());
    static SystemClipboard clipboard;
    copyObjects(editor, clipboard);
    QFile ready(readyFile);
    ready.open(QIODevice::WriteOnly);
    // The clipboard's owner must stay alive for others to read it.
    return QApplication::exec();
}

int pasteObjectsHere()
{
    DesignEditor editor;
    editor.card().setRegionSize(1700, 1700);
    SystemClipboard clipboard;
    const int pasted = pasteObjects(editor, clipboard);
    std::printf("pasted %d\n", pasted);
    for (const DesignObject* object : editor.selection())
        std::printf("%c %d %d %d %d %d %s\n", object->kind, object->left, object->top, object->width,
                    object->height, object->foreColor, qPrintable(object->lines.join('|')));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "copy")
        return copyDesign(args[2], args[3]);
    if (args.size() == 2 && args[1] == "paste")
        return pasteObjectsHere();
    std::fprintf(stderr, "usage: clipboard_peer copy DESIGN READY_FILE | paste\n");
    return 2;
}
