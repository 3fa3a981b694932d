#pragma once

namespace kalamo {

// Asks the update page whether a newer version is out.
class UpdateCheck {
  public:
    virtual ~UpdateCheck() = default;
    virtual void CheckForUpdate() = 0;
};

}  // namespace kalamo
