// The control's property page: the template list, the printed frame and the scroll-bar style.
#pragma once

#include "platform/ole/OlePropertyPage.h"

class CVornCtlPropPage : public COlePropertyPage
{
public:
    CVornCtlPropPage();
};
