#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

#include <limits>

namespace orbitas {
namespace {

TEST(FloatingPointFault, RaisedForInvalidDivisionByZeroAndOverflow) {
  const Real zero = 0.0, one = 1.0, huge = 1e308;
  EXPECT_RUNTIME_ERROR(one / zero, ErrorKind::FloatingPointFault);
  EXPECT_RUNTIME_ERROR(zero / zero, ErrorKind::FloatingPointFault);
  EXPECT_RUNTIME_ERROR(huge * 10, ErrorKind::FloatingPointFault);
  EXPECT_RUNTIME_ERROR(SquareRoot(-one), ErrorKind::FloatingPointFault);
  EXPECT_RUNTIME_ERROR(Pow(-8, 1.0 / 3), ErrorKind::FloatingPointFault);
  EXPECT_STREQ(RuntimeError(ErrorKind::FloatingPointFault).what(), "Error de coma flotante");
}

TEST(FloatingPointFault, NotRaisedForUnderflowOrInexact) {
  const Real tiny = 1e-300;
  EXPECT_EQ((tiny * tiny).value(), 0.0);
  EXPECT_GT((Real(std::numeric_limits<double>::min()) / 4).value(), 0.0);  // subnormal
  EXPECT_NO_THROW(Real(1) / 3);
}

struct RoundingCase {
  const char* name;
  double x;
  double expected;
};

TEST(IntAndFix, RoundDownAndTowardZeroKeepingTheDouble) {
  const RoundingCase intCases[] = {{"positive", 2.7, 2}, {"negative", -2.7, -3}, {"whole", -3, -3}};
  for (const auto& c : intCases) EXPECT_EQ(Int(c.x).value(), c.expected) << c.name;
  const RoundingCase fixCases[] = {{"positive", 2.7, 2}, {"negative", -2.7, -2}, {"small", -0.5, 0}};
  for (const auto& c : fixCases) EXPECT_EQ(Fix(c.x).value(), c.expected) << c.name;
}

TEST(CInt, RoundsHalvesToEvenWithinSixteenBits) {
  const RoundingCase cases[] = {{"half down to even", 2.5, 2},  {"half up to even", 3.5, 4},
                                {"negative half", -2.5, -2},    {"below half", 2.4999, 2},
                                {"top", 32767.49, 32767},       {"bottom half to even", -32768.5, -32768}};
  for (const auto& c : cases) EXPECT_EQ(CInt(c.x), c.expected) << c.name;
  EXPECT_RUNTIME_ERROR(CInt(32767.5), ErrorKind::Overflow);  // rounds to 32768
  EXPECT_RUNTIME_ERROR(CInt(-32769.5), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(CInt(1e10), ErrorKind::Overflow);
}

TEST(CLng, RoundsHalvesToEvenWithinThirtyTwoBits) {
  EXPECT_EQ(CLng(2147483646.5), 2147483646);
  EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<Int32>::min());
  EXPECT_RUNTIME_ERROR(CLng(2147483647.5), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(CLng(-2147483649.0), ErrorKind::Overflow);
}

TEST(Sgn, IsZeroForNegativeZero) {
  EXPECT_EQ(Sgn(-0.0), 0);
  EXPECT_EQ(Sgn(-1e-300), -1);
  EXPECT_EQ(Sgn(5), 1);
}

TEST(IntegerArithmetic, RaisesOverflowInsteadOfWrapping) {
  EXPECT_EQ(Add16(32766, 1), 32767);
  EXPECT_RUNTIME_ERROR(Add16(32767, 1), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(Sub16(-32768, 1), ErrorKind::Overflow);
  EXPECT_EQ(Mul16(4681, 7), 32767);
  EXPECT_RUNTIME_ERROR(Mul16(4682, 7), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(Neg16(-32768), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(Add32(2147483647, 1), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(Sub32(std::numeric_limits<Int32>::min(), 1), ErrorKind::Overflow);
  EXPECT_STREQ(RuntimeError(ErrorKind::Overflow).what(), "Desbordamiento");
}

}  // namespace
}  // namespace orbitas
