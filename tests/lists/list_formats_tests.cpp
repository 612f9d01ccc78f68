#include <gtest/gtest.h>

#include "lists/list_formats.h"

namespace wrk7 {
namespace {

// The file dialogs and wrk7's messages are built from the one table; what
// they show is what they always showed.
TEST(ListFormats, TheDialogsAndMessagesNameTheTypesInTheTablesOrder) {
    EXPECT_EQ(ListImportFilter(),
              "Channel Lists (*.csv *.xml *.json)|*.csv;*.xml;*.json|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
    EXPECT_EQ(ListExportFilter(),
              "CSV Files (*.csv)|*.csv|CHIRP CSV Files (*.csv)|*.csv|gqrx Bookmarks (*.csv)|*.csv|"
              "SDR# Frequency Manager (*.xml)|*.xml|SDR++ Frequency Manager (*.json)|*.json|All Files (*.*)|*.*");
    EXPECT_EQ(ListFileNames(true), "wrk7, chirp, gqrx, sdrsharp or sdrpp");
    EXPECT_EQ(ListFileNames(false), "wrk7, chirp, radioreference, repeaterbook, gqrx, sdrsharp or sdrpp");
    for (const ListFileInfo& file : kListFiles) {
        EXPECT_EQ(ListFileNamed(file.name), file.type) << file.name;
        if (file.rows) {
            EXPECT_EQ(InfoOf(*file.rows).type, file.type) << file.name;
        }
    }
}

}  // namespace
}  // namespace wrk7
