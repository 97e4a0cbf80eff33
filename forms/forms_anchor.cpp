// The forms library holds only resources; this unit gives it a body.
namespace forms {
int anchor = 0;
}  // namespace forms
