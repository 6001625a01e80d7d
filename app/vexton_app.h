#pragma once

#include "framework/winapp.h"

class CVextonDOFCEApp : public CWinApp {
  public:
    BOOL InitInstance() override;
};
