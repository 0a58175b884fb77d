#include "conversions.h"

#include <gtest/gtest.h>

#include <limits>

namespace orbitas {
namespace {

TEST(FloatingPointFault, RaisedForInvalidDivisionByZeroAndOverflow) {
  const Real zero = 0.0, one = 1.0, huge = 1e308;
  EXPECT_THROW(one / zero, RuntimeError);
  EXPECT_THROW(zero / zero, RuntimeError);
  EXPECT_THROW(huge * 10, RuntimeError);
  EXPECT_THROW(Sqr(-one), RuntimeError);
  EXPECT_THROW(Pow(-8, 1.0 / 3), RuntimeError);
  try {
    (void)(one / zero);
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::FloatingPointFault);
    EXPECT_STREQ(e.what(), "Error de coma flotante");
  }
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
  EXPECT_THROW(CInt(32767.5), RuntimeError);  // rounds to 32768
  EXPECT_THROW(CInt(-32769.5), RuntimeError);
  EXPECT_THROW(CInt(1e10), RuntimeError);
}

TEST(CLng, RoundsHalvesToEvenWithinThirtyTwoBits) {
  EXPECT_EQ(CLng(2147483646.5), 2147483646);
  EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<Int32>::min());
  EXPECT_THROW(CLng(2147483647.5), RuntimeError);
  EXPECT_THROW(CLng(-2147483649.0), RuntimeError);
}

TEST(Sgn, IsZeroForNegativeZero) {
  EXPECT_EQ(Sgn(-0.0), 0);
  EXPECT_EQ(Sgn(-1e-300), -1);
  EXPECT_EQ(Sgn(5), 1);
}

TEST(IntegerArithmetic, RaisesOverflowInsteadOfWrapping) {
  EXPECT_EQ(Add16(32766, 1), 32767);
  EXPECT_THROW(Add16(32767, 1), RuntimeError);
  EXPECT_THROW(Sub16(-32768, 1), RuntimeError);
  EXPECT_EQ(Mul16(4681, 7), 32767);
  EXPECT_THROW(Mul16(4682, 7), RuntimeError);
  EXPECT_THROW(Neg16(-32768), RuntimeError);
  EXPECT_THROW(Add32(2147483647, 1), RuntimeError);
  EXPECT_THROW(Sub32(std::numeric_limits<Int32>::min(), 1), RuntimeError);
  try {
    Add16(32767, 1);
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    EXPECT_STREQ(e.what(), "Desbordamiento");
  }
}

}  // namespace
}  // namespace orbitas
