#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteReaderTest, ReadsBackWhatTheWriterWroteLittleEndian) {
    base::ByteWriter out;
    out.U8(0xAB);
    out.U16(0x1234);
    out.I32(-2);
    out.I64(-3);
    out.F32(1.5f);
    out.F64(-0.25);
    out.Text("hi");
    const auto bytes = out.Take();
    EXPECT_EQ(bytes[1], 0x34);
    EXPECT_EQ(bytes[2], 0x12);

    base::ByteReader in(bytes);
    EXPECT_EQ(in.U8(), 0xAB);
    EXPECT_EQ(in.U16(), 0x1234);
    EXPECT_EQ(in.I32(), -2);
    EXPECT_EQ(in.I64(), -3);
    EXPECT_EQ(in.F32(), 1.5f);
    EXPECT_EQ(in.F64(), -0.25);
    EXPECT_EQ(in.Text(2), "hi");
    EXPECT_TRUE(in.AtEnd());
}

TEST(ByteReaderTest, RefusesEveryReadPastTheEndWithoutMoving) {
    const uint8_t bytes[] = {1, 2, 3};
    base::ByteReader in(bytes);
    in.Skip(1);
    EXPECT_THROW(in.U32(), base::FormatError);
    EXPECT_THROW(in.Bytes(SIZE_MAX), base::FormatError);
    EXPECT_EQ(in.Offset(), 1u);
    EXPECT_EQ(in.U16(), 0x0302);
    EXPECT_THROW(in.U8(), base::FormatError);
    in.Seek(3);
    EXPECT_THROW(in.Seek(4), base::FormatError);
}

} // namespace
