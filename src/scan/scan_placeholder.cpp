// The scanner's sources come here.
namespace vorn {}
