#pragma once

#include "platform/forms/form/Form.h"

namespace hosttest {

// Cancels QueryUnload while `refuse` is set.
class StubbornForm : public forms::Form {
public:
    StubbornForm() : Form("frmStubborn") {}
    bool refuse = true;

protected:
    void OnEvent(ole::DISPID id, std::span<ole::Variant> args) override {
        if (id == QueryUnload && refuse)
            args[0] = ole::Variant(int16_t{1});
    }
};

} // namespace hosttest
