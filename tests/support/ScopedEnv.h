// Test helper: sets (or with a null value, removes) an environment variable
// for one scope and puts the old value back when the scope ends.
#pragma once

#include "support/PortableEnv.h"

#include <cstdlib>
#include <optional>
#include <string>

class CScopedEnv {
public:
    CScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~CScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};
