// Merge data over 1,000,000 name-and-address records: open, count, walk every
// record in order with gotoRecord and read a three-line composite address,
// with and without a filter, against the floor of simply reading and
// splitting the file. And wide files: a few records of thousands of columns,
// every field read by name, as the data command reads them.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "merge/DataReader.h"
#include "base/CsvFile.h"
#include "system/Messages.h"

namespace {

constexpr int kRecords = 1000000;
const QString kAddress = QStringLiteral("FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+ +STATE+ +ZIP");

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString filePath(const char* name)
{
    return folder().filePath(QString::fromLatin1(name));
}

// The same records under several names, so each source keeps its own filter and sort files.
QString makeCsv(const char* name)
{
    const QString path = filePath(name);
    if (QFile::exists(path))
        return path;
    static const char* first[] = {"Ann", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal"};
    static const char* last[] = {"Smith", "Brown", "O'Brien", "Jones", "Miller", "Davis"};
    static const char* city[] = {"Boston", "Berlin", "Austin", "Denver", "Bonn", "Dallas", "Chicago"};
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray block = "FIRSTNAME,LASTNAME,ADDRESS,CITY,STATE,ZIP\r\n";
    char line[256];
    for (int i = 0; i < kRecords; ++i) {
        const int n = std::snprintf(line, sizeof line, "%s,%s,\"%d Elm St, Apt %d\",%s,MA,%05d\r\n", first[i % 8],
                                    last[i % 6], i % 997, i % 13, city[i % 7], i % 100000);
        block.append(line, n);
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    return path;
}

void useOwnTextReader(bool own)
{
    const QString cfg = filePath("defado.cfg");
    if (own) {
        QFile file(cfg);
        file.open(QIODevice::WriteOnly);
        file.write("[ADO]\r\nTextConnect=NoSuchDriver\r\n");
    } else {
        QFile::remove(cfg);
    }
    DataReader::setTextDriverSettingsFile(cfg);
}

void setFilterFile(const QString& source, const QByteArray& content)
{
    QFile file(source + ".flt");
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

// Floor 1: read the bytes and split lines and fields, nothing else.
void BM_Floor_ReadAndSplit(benchmark::State& state)
{
    const QString path = makeCsv("floor.csv");
    for (auto _ : state) {
        FILE* f = std::fopen(QFile::encodeName(path).constData(), "rb");
        char buffer[1 << 16];
        size_t fields = 0, lines = 0, got;
        while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            for (size_t i = 0; i < got; ++i) {
                fields += buffer[i] == ',';
                lines += buffer[i] == '\n';
            }
        std::fclose(f);
        benchmark::DoNotOptimize(fields);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["records"] = kRecords;
}

// Floor 2: the delimited-file reader alone (quoting, decoding, values).
void BM_Floor_TTDFile(benchmark::State& state)
{
    const QString path = makeCsv("floor.csv");
    for (auto _ : state) {
        CsvFile file;
        file.openRead(path, ',', '"');
        int records = 0;
        while (file.readNext())
            ++records;
        benchmark::DoNotOptimize(records);
    }
}

void walk(benchmark::State& state, const char* name, bool ownReader, const QByteArray& filter, int expected)
{
    const QString path = makeCsv(name);
    useOwnTextReader(ownReader);
    if (!filter.isEmpty())
        setFilterFile(path, filter);
    for (auto _ : state) {
        DataReader reader;
        if (reader.open(path) < 0) {
            state.SkipWithError("open failed");
            return;
        }
        const int count = reader.recordCount();
        if (expected >= 0 && count != expected) {
            state.SkipWithError("unexpected record count");
            return;
        }
        qsizetype chars = 0;
        for (int r = 0; r < count; ++r) {
            if (reader.gotoRecord(r) != r) {
                state.SkipWithError("GotoRecord failed");
                return;
            }
            chars += reader.fieldValue(kAddress).size();
        }
        benchmark::DoNotOptimize(chars);
        state.counters["records"] = count;
    }
}

void BM_Walk_TextDriver(benchmark::State& state) { walk(state, "plain.csv", false, {}, kRecords); }
void BM_Walk_TextDriverFiltered(benchmark::State& state)
{
    // Boston, Berlin and Bonn: 3 of every 7 records.
    walk(state, "filtered.csv", false, "~FIELD FILTER 2.0~\r\nCITY LIKE 'B%'\r\n", -1);
}
void BM_Walk_OwnReader(benchmark::State& state) { walk(state, "own.csv", true, {}, kRecords); }
void BM_Walk_OwnReaderFiltered(benchmark::State& state)
{
    // A filter the own reader evaluates itself: stored with a version-1 header line.
    walk(state, "ownfiltered.csv", true, "~FIELD FILTER 2.0~\r\n~FIELD FILTER 1.0~\r\nCITY contains b\r\n", -1);
}

// Opening alone, as the link wizard does, with the progress reports the
// window uses (arg 1) and without (arg 0): what keeping the window alive costs.
void BM_Open_TextDriverProgress(benchmark::State& state)
{
    const QString path = makeCsv("open.csv");
    useOwnTextReader(false);
    for (auto _ : state) {
        DataReader reader;
        qint64 reports = 0;
        if (state.range(0))
            reader.setLoadProgress([&reports](qint64) {
                ++reports;
                return true;
            });
        if (reader.open(path) < 0 || reader.recordCount() != kRecords) {
            state.SkipWithError("open failed");
            return;
        }
        state.counters["reports"] = double(reports);
    }
}

// A file of kWideRecords records and `columns` columns; the names are all
// different, or all the same (each then gets a suffix of its own).
constexpr int kWideRecords = 20;

QString makeWideCsv(int columns, bool sameNames)
{
    const QString path = filePath(sameNames ? "same" : "wide") + QString::number(columns) + ".csv";
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray line;
    for (int c = 0; c < columns; ++c)
        line += (c ? "," : "") + (sameNames ? QByteArray("NAME") : "FIELD" + QByteArray::number(c));
    file.write(line + "\r\n");
    for (int r = 0; r < kWideRecords; ++r) {
        line.clear();
        for (int c = 0; c < columns; ++c)
            line += (c ? "," : "") + QByteArray::number(r * columns + c);
        file.write(line + "\r\n");
    }
    return path;
}

// Arguments: columns, own reader (1) or text driver (0), all names the same (1).
// The text driver holds at most 2,000 columns; a wider file falls back to the own reader.
void BM_WideCsv(benchmark::State& state)
{
    const int columns = int(state.range(0));
    const QString path = makeWideCsv(columns, state.range(2) != 0);
    useOwnTextReader(state.range(1) != 0);
    for (auto _ : state) {
        DataReader reader;
        QStringList fields;
        if (reader.open(path, &fields) != columns || reader.recordCount() != kWideRecords) {
            state.SkipWithError("open failed");
            return;
        }
        qsizetype chars = 0;
        for (int r = 0; r < kWideRecords; ++r) {
            reader.gotoRecord(r);
            for (const QString& field : fields)
                chars += reader.fieldValue(field).size();
        }
        benchmark::DoNotOptimize(chars);
    }
    state.counters["fields"] = double(columns) * kWideRecords;
}

BENCHMARK(BM_Floor_ReadAndSplit)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Floor_TTDFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Open_TextDriverProgress)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Walk_TextDriver)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Walk_TextDriverFiltered)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Walk_OwnReader)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Walk_OwnReaderFiltered)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WideCsv)
    ->ArgNames({"columns", "own", "same"})
    ->Args({2000, 0, 0})
    ->Args({10000, 0, 0})
    ->Args({10000, 1, 0})
    ->Args({2000, 0, 1})
    ->Args({10000, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    static Messages::RecordingSink sink;
    Messages::install(&sink);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
