#pragma once
// The Import dialog without widgets: the user pairs the table's fields with
// the columns of a delimited file, then the paired values become records.

#include <QString>
#include <vector>

#include "pdb/PdbImportExport.h"

class ImportModel {
public:
    explicit ImportModel(PdbKind kind);

    struct Column {
        QString name;
        int index = 0;  // from 0 on the file's first line
    };

    // Reads the file's first line; its columns join the columns list.
    void chooseFile(const QString& file);
    const QString& fileName() const { return m_file; }
    bool pairingVisible() const { return !m_file.isEmpty(); }

    const std::vector<PdbTransfer::ImportField>& fieldsLeft() const { return m_fields; }
    const std::vector<Column>& columnsLeft() const { return m_columns; }
    const std::vector<PdbTransfer::ImportPair>& pairs() const { return m_pairs; }

    int fieldSelection = -1;
    int columnSelection = -1;
    int pairSelection = -1;

    bool addEnabled() const;
    bool removeEnabled() const { return pairSelection >= 0 && pairSelection < int(m_pairs.size()); }
    bool importEnabled() const { return !m_file.isEmpty() && !m_pairs.empty(); }
    void add();
    void remove();

private:
    std::vector<PdbTransfer::ImportField> m_offered;
    std::vector<PdbTransfer::ImportField> m_fields;
    std::vector<Column> m_columns;
    std::vector<PdbTransfer::ImportPair> m_pairs;
    QString m_file;
};
