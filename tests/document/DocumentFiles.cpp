#include "DocumentFiles.h"

#include "foundation/Error.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

QString DocumentFiles::write(const QByteArray &bytes, const QString &name)
{
    return TestData::writeFile(m_dir, name, bytes);
}

std::unique_ptr<CSVDocument> DocumentFiles::open(const QByteArray &bytes,
                                                 const CSVImportExportPreset &preset)
{
    Error error;
    auto document = CSVDocument::withContentsOfURL(write(bytes), preset, &error);
    EXPECT_TRUE(document) << error.localizedDescription().toStdString();
    if (document)
        document->buildTableViewColumns(); // as the window does once it is set up
    return document;
}
