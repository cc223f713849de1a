#pragma once
// The Field Wizard without widgets: builds a composite field spec (fields,
// spaces, line breaks and literal texts joined by "+") for one text object.

#include <QString>
#include <QStringList>

class FieldWizardModel {
public:
    // Reads the field names of the linked source (the reader is freed at once).
    explicit FieldWizardModel(const QString& linkPath, QString startSpec = QString());

    const QStringList& fields() const { return m_fields; }
    bool onConstructionPage() const { return m_construction; }
    // Next: true when Finish closed the wizard.
    bool next();
    void back() { m_construction = false; }
    bool backEnabled() const { return m_construction; }
    bool nextEnabled() const { return !spec.isEmpty(); }
    QString nextCaption() const;

    QString spec;        // the "Constructed Field" box
    QString chosenField;
    QString otherText;

    bool addFieldEnabled() const { return !chosenField.isEmpty(); }
    bool addTextEnabled() const { return !otherText.isEmpty(); }
    void addField();
    void addText();
    void addSpace();
    void addNewLine();
    void standardAddress();
    void clear() { spec.clear(); }

private:
    bool endsOpen() const;  // not empty and not after a line break
    void join();

    QStringList m_fields;
    bool m_construction = false;
};
