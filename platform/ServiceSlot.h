#pragma once

// Where the program finds a platform service: the installed one, or the
// default when none is installed (tests install stand-ins).
template <typename Service>
class ServiceSlot {
public:
    explicit ServiceSlot(Service& fallback) : fallback_(fallback), current_(&fallback) {}
    Service& get() const { return *current_; }
    // Null puts back the default.
    void set(Service* service) { current_ = service ? service : &fallback_; }

private:
    Service& fallback_;
    Service* current_;
};
