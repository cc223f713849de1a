// Writes the bundled address-label example: data/examples/addresses.csv with
// made-up names and addresses, and data/examples/address-label.lpd, a 30-up
// Letter label whose three address lines and POSTNET bar code come from the
// file's fields. The design links the CSV by a relative path, which is read
// from the design file's own folder.
//
//   make_address_example OUTPUT_FOLDER [RECORDS]

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "files/DesignFile.h"
#include "model/LayoutRecord.h"
#include "model/DesignEditor.h"
#include "model/DesignObject.h"
#include "base/Cp1252.h"

namespace {

const char* const kFirstNames[] = {"Avery",  "Blake",  "Corin", "Dana",   "Elliot", "Frances", "Gale",  "Harper",
                                   "Imogen", "Jules",  "Kit",   "Lorne",  "Maren",  "Noel",    "Oriel", "Perry",
                                   "Quinn",  "Rowan",  "Sasha", "Tamsin", "Umber",  "Vesna",   "Wren",  "Yael"};
const char* const kLastNames[] = {"Ashdown", "Brackett", "Calloway", "Dunmore",  "Everly",  "Fairweather",
                                  "Glenister", "Hollis", "Ingleby",  "Jessop",   "Kettering", "Larkspur",
                                  "Merriman", "Northcott", "Oakhurst", "Pemberton", "Quarrie", "Rushworth",
                                  "Stainforth", "Thorne", "Underhill", "Vantreight", "Whitlock", "Yardley"};
const char* const kStreets[] = {"Maple",  "Juniper", "Quarry", "Linden", "Harbor", "Orchard", "Mill",
                                "Cedar",  "Willow",  "Foundry", "Beacon", "Heron",  "Sparrow", "Granite"};
const char* const kStreetKinds[] = {"St", "Ave", "Rd", "Ln", "Way", "Ct", "Dr", "Pl"};
struct Town {
    const char* city;
    const char* state;
    int zip;
};
// Invented towns; the ZIP codes are only shaped like real ones.
const Town kTowns[] = {{"Fernbrook", "OR", 97391}, {"Lake Odell", "MN", 56488}, {"Cobalt Falls", "ID", 83217},
                       {"Marrow Bay", "ME", 4629},  {"Sutter Ridge", "CA", 95978}, {"Halden", "VT", 5687},
                       {"Pine Hollow", "NC", 28629}, {"Westerlo", "NY", 12193}, {"Redwater", "TX", 75573},
                       {"Brightwell", "OH", 44719}, {"Amberley", "GA", 30428}, {"Kestrel", "CO", 81631}};

template <class T, size_t N>
constexpr size_t count(const T (&)[N])
{
    return N;
}

// A small fixed generator so the file is the same on every run.
class Sequence {
public:
    unsigned next(unsigned below)
    {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 16) % below;
    }

private:
    unsigned m_state = 20261210u;
};

QByteArray quoted(const QString& value)
{
    QByteArray bytes = toCp1252(value);
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QByteArray addressFile(int records)
{
    const QStringList names = {"FIRSTNAME", "LASTNAME", "ADDRESS", "CITY", "STATE", "ZIP"};
    QByteArray out;
    const auto writeLine = [&out](const QStringList& values) {
        QByteArrayList fields;
        for (const QString& v : values)
            fields << quoted(v);
        out += fields.join(',') + "\r\n";
    };
    writeLine(names);
    Sequence seq;
    for (int i = 0; i < records; ++i) {
        const Town& town = kTowns[seq.next(count(kTowns))];
        const QString zip = QString("%1-%2").arg(town.zip, 5, 10, QChar('0')).arg(1000 + seq.next(9000));
        const QString street = QString("%1 %2 %3")
                                   .arg(10 + seq.next(9980))
                                   .arg(kStreets[seq.next(count(kStreets))])
                                   .arg(kStreetKinds[seq.next(count(kStreetKinds))]);
        writeLine({kFirstNames[seq.next(count(kFirstNames))], kLastNames[seq.next(count(kLastNames))], street,
                   town.city, town.state, zip});
    }
    return out;
}

LayoutRecord thirtyUp() { return thirtyUpAddressLayout(); }

bool writeDesign(const QString& path, const QString& linkedPath)
{
    DesignEditor editor;
    const LayoutRecord layout = thirtyUp();
    int32_t w = 0, h = 0;
    layout.regionSize(&w, &h);
    editor.card().setRegionSize(w, h);
    ObjectManager& m = editor.manager();
    m.showRegion({0, 0});

    DesignObject* address = m.createText(0, 0);
    address->setBounds(14, 10, 236, 52);
    DesignObject& text = *address;
    text.lines = QStringList{QStringLiteral("{-FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+, +STATE+  +ZIP-}")};
    text.font.setFace(QStringLiteral("Arial"));
    text.font.height = -14;
    text.textStyle = TextStyleWord::pack(TextStyleKind::NoWrap);

    DesignObject* barCode = m.createText(0, 0);
    barCode->setBounds(14, 68, 200, 20);
    DesignObject& code = *barCode;
    code.lines = QStringList{QStringLiteral("{-ZIP-}")};
    code.font.setFace(QStringLiteral("Arial"));
    code.font.height = -10;
    code.textStyle = TextStyleWord::pack(TextStyleKind::BarCode, 0, 0, 2);  // PostNet bars, no text

    return writeDesignFile(m, path, layout, linkedPath, 100);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_address_example OUTPUT_FOLDER [RECORDS]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int records = argc == 3 ? std::atoi(argv[2]) : 120;
    if (records < 1) {
        std::fprintf(stderr, "RECORDS must be at least 1\n");
        return 2;
    }
    QDir().mkpath(folder);
    QFile csv(folder + "/addresses.csv");
    if (!csv.open(QIODevice::WriteOnly) || csv.write(addressFile(records)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(csv.fileName()));
        return 1;
    }
    csv.close();
    if (!writeDesign(folder + "/address-label.lpd", QStringLiteral("addresses.csv"))) {
        std::fprintf(stderr, "cannot write the design\n");
        return 1;
    }
    std::printf("%d addresses and the label design written to %s\n", records, qPrintable(folder));
    return 0;
}
