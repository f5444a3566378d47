// The widget classes under the names the screen layouts use.
#pragma once

#include "platform/widgets.h"

using platform::TImage;
using platform::TLabel;
using platform::TMemo;
using platform::TPanel;
using platform::TSpeedButton;
