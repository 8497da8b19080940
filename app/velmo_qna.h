#pragma once

#include "framework/core/runtime.h"

// The application object.
class VelmoQnA : public fw::Application {
public:
    void Event_Close() override;
};
