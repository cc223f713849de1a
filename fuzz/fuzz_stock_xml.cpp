// Any bytes may arrive as stock definition XML; whatever is read is converted
// and named as an import would.
#include "files/StockImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StockCatalog catalog;
    readStockXml(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), catalog);
    StockImportReport report;
    for (const StockBrandFile& file : stockLayoutFiles(catalog, report))
        for (const LayoutRecord& record : file.records)
            record.toBytes();
    return 0;
}
