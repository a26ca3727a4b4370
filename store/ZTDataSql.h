#pragma once

namespace ae {

// The SQL scripts of resources/sql, embedded at build time (UTF-8, statements ending with ";").
extern const char* const ZTDataSchemaSql;  // every table and index
extern const char* const ZTDataRowsSql;    // the rows shipped in a new database
// The rows of source location, which a database made before them gets once (user_version 1).
extern const char* const ZTDataLocationRowsSql;

}  // namespace ae
