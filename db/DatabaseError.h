#pragma once

#include "platform/Errors.h"

// A failure reported by the database or its driver, with the driver's text.
class DatabaseError : public Exception {
public:
    using Exception::Exception;
};
