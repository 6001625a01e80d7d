#pragma once
// The platform as a Linux desktop offers it.

#include "framework/base/platform.h"

class CDesktopPlatform : public CPlatform {
  public:
    ScreenSize GetScreenSize() const override;
    NumberSettings GetNumberSettings() const override;
    std::string GetProgramPath() const override;
    std::string GetConfigHome() const override;
    std::string GetSystemName() const override;
};
