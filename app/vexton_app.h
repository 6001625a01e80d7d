#pragma once

#include "framework/qt/winapp.h"

class CVextonDOFCEApp : public CWinApp {
  public:
    BOOL InitInstance() override;
};
