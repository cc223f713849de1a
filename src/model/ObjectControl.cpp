#include "model/ObjectControl.h"

#include "model/ObjectData.h"

ObjectControl::ObjectControl(Type type) : m_type(type) {}

ObjectControl::~ObjectControl() = default;

void ObjectControl::setBounds(int l, int t, int w, int h)
{
    left = l;
    top = t;
    width = w;
    height = h;
}

void ObjectControl::setData(std::unique_ptr<ObjectData> data)
{
    m_data = std::move(data);
    if (m_data)
        m_data->control = this;
}

std::unique_ptr<ObjectData> ObjectControl::takeData() { return std::move(m_data); }
