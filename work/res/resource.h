// Resource ids of VornWork.dll.
#pragma once

#define IDS_DBNAME_EMPTY 15
#define IDS_DBNAME_BADCHAR 16
#define IDS_FIELDTYPE_STRING 61508
#define IDS_FIELDTYPE_INT 61509
#define IDS_FIELDTYPE_FLOAT 61510
