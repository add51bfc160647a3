// Resource ids of VornCard.dll.
#pragma once

#define IDS_DEFAULT_FONTFACE 9
#define IDS_MDDATA_NOT_FOUND 8
