// Ids of the framework test program's own resources.
#pragma once

#define IDR_FWTEST_CARD 3101
#define IDR_FWTEST_CARD2 3102
#define IDR_FWTEST_SCRIPT 3103
