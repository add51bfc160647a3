// Resource ids of VornCard.dll.
#pragma once

#define IDS_DEFAULT_FONTFACE 9
