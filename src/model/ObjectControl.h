#pragma once
// One object on the card: a paint control (text, lines, shapes) or a picture
// control. It carries the geometry in surface pixels and the ObjectData with
// everything else.

#include <QRect>
#include <QString>
#include <functional>
#include <memory>

#include "imaging/Picture.h"

class QPainter;
class ObjectData;
class ObjectControl;

// What the design window attaches to every object control it gets.
struct ControlHandlers {
    void* popupMenu = nullptr;
    std::function<void(ObjectControl&)> mouseDown;
    std::function<void(ObjectControl&, QPainter&)> paint;
};

class ObjectControl {
public:
    enum class Type { Paint, Picture };

    explicit ObjectControl(Type type);
    ~ObjectControl();
    ObjectControl(const ObjectControl&) = delete;
    ObjectControl& operator=(const ObjectControl&) = delete;

    Type type() const { return m_type; }
    bool isPicture() const { return m_type == Type::Picture; }

    QString name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Picture controls: the picture is stretched to the bounds; the control never sizes itself.
    Picture picture;
    bool autoSize = false;
    bool stretch = true;
    ControlHandlers handlers;

    QRect rect() const { return QRect(left, top, width, height); }
    void setBounds(int l, int t, int w, int h);

    ObjectData* data() const { return m_data.get(); }
    void setData(std::unique_ptr<ObjectData> data);
    std::unique_ptr<ObjectData> takeData();

private:
    Type m_type;
    std::unique_ptr<ObjectData> m_data;
};
