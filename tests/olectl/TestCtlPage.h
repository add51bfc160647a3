// The property page of the test control: caption, count and flag bound by name.
#pragma once

#include "platform/ole/OlePropertyPage.h"

class CTestCtlPage : public COlePropertyPage
{
public:
    CTestCtlPage();
};
