#pragma once

namespace layoutdesk {

class ZORudeRuduvozu;

// Sets the designer's LockRefresh for a batch of changes and restores the value it had when the
// batch ends, however it ends.
class RefreshHold {
public:
    explicit RefreshHold(ZORudeRuduvozu& designer);
    ~RefreshHold();
    RefreshHold(const RefreshHold&) = delete;
    RefreshHold& operator=(const RefreshHold&) = delete;

private:
    ZORudeRuduvozu& m_designer;
    bool m_saved;
};

} // namespace layoutdesk
