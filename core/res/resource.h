// Resource ids of VornCard.dll.
#pragma once

#define IDS_DEFAULT_FONTFACE 9
#define IDS_MDDATA_NOT_FOUND 8

// Detail-area page filling.
#define IDS_MIDDATA_NO_RANGE 11
#define IDS_MIDDATA_NO_MDDATA 13
