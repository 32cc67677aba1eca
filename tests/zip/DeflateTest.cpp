// The compressor's streams are read back by zlib; its choices are compared with zlib's where
// both must agree, and its failure paths are driven from a scripted input and output.
#include "DeflateIoForTests.h"
#include "SampleInputs.h"
#include "ZlibReference.h"
#include "zip/HuffmanTree.h"
#include "zip/ZipFormat.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using zip::ZipDeflateState;

namespace {

std::unique_ptr<ZipDeflateState> NewState()
{
    return std::make_unique<ZipDeflateState>();
}

void ExpectInflatesTo(const std::string& stream, const std::string& input, const std::string& what)
{
    const zlibref::Inflated back = zlibref::InflateRaw(stream);
    EXPECT_TRUE(back.endedExactly) << what;
    EXPECT_TRUE(back.data == input) << what << ": " << back.data.size() << " bytes back of " << input.size();
}

} // namespace

TEST(DeflateStream, EmptyInputIsOneStaticBlockHoldingOnlyTheEndCode)
{
    const Compressed c = Compress(*NewState(), "");
    EXPECT_EQ(c.result, ZIP_OK);
    EXPECT_EQ(c.stream, std::string("\x03\x00", 2));
}

TEST(DeflateStream, EveryLevelRoundTripsThroughZlibAcrossBlocksAndSlides)
{
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {"one byte", "x"},
        {"three equal", "aaa"},
        {"long run", std::string(300000, 'a')},
        {"text", samples::PlainText(150000, 1)},
        {"xml", samples::DiaryBody(400000)},
        {"text then random", samples::PlainText(70000, 2) + samples::RandomBytes(70000, 3)},
        {"window edge - 1", samples::PlainText(65273, 4)},
        {"window edge", samples::PlainText(65274, 5)},
        {"window edge + 1", samples::PlainText(65275, 6)},
        {"two windows", samples::PlainText(131072, 7)},
    };
    auto state = NewState();
    for (int level = 1; level <= 8; ++level) {
        for (const auto& [name, input] : inputs) {
            const std::string what = name + " at level " + std::to_string(level);
            const Compressed c = Compress(*state, input, level);
            ASSERT_EQ(c.result, ZIP_OK) << what << ": " << (state->AssertionMessage() ? state->AssertionMessage() : "");
            ExpectInflatesTo(c.stream, input, what);
            const WORD expectedFlags = level <= 2   ? zipformat::kFlagFastCompression
                                       : level == 8 ? zipformat::kFlagMaximumCompression
                                                    : 0;
            EXPECT_EQ(c.flags, expectedFlags) << what;
        }
    }
}

TEST(DeflateStream, IncompressibleInputGoesOutInStoredBlocks)
{
    auto state = NewState();
    const std::string small = samples::RandomBytes(20000, 8);
    const Compressed one = Compress(*state, small);
    ASSERT_EQ(one.stream.size(), small.size() + 5);
    EXPECT_EQ(one.stream[0] & 7, 1) << "a last block, stored";
    EXPECT_EQ(one.stream.substr(5), small);

    const std::string large = samples::RandomBytes(1 << 20, 9);
    const Compressed many = Compress(*state, large);
    ExpectInflatesTo(many.stream, large, "random MiB");
    EXPECT_LT(many.stream.size(), large.size() + large.size() / 200);
}

TEST(DeflateStream, MatchesReachBackAcrossTheWindowSlide)
{
    const std::string random = samples::RandomBytes(60000, 10);
    const std::string input = random + random.substr(30000);   // repeats from 30000 bytes back
    const Compressed c = Compress(*NewState(), input);
    ExpectInflatesTo(c.stream, input, "repeat over the slide");
    EXPECT_LT(c.stream.size(), random.size() + 1000) << "the repeat must be matches, not literals";
}

TEST(DeflateStream, ShortInputsAgreeWithZlibByteForByte)
{
    // Fewer than 4096 symbols: one block, so the two compressors must make the same choices.
    const std::vector<std::string> inputs = {
        "a", "abcabcabcabcabc", samples::PlainText(3000, 11), samples::DiaryBody(1).substr(0, 6000),
        samples::RandomBytes(3000, 12), std::string(5000, 'z') + samples::PlainText(2000, 13),
        samples::PlainText(400, 14) + samples::RandomBytes(100, 15) + samples::PlainText(400, 14),
    };
    auto state = NewState();
    for (const std::string& input : inputs)
        EXPECT_TRUE(Compress(*state, input).stream == zlibref::DeflateRaw(input, 8)) << input.substr(0, 40);
}

TEST(DeflateState, AReusedStateCompressesEachEntryAsAFreshOneWould)
{
    const std::vector<std::string> entries = {
        samples::DiaryBody(200000), samples::PlainText(1000, 16), samples::RandomBytes(70000, 17),
        samples::PlainText(66000, 18), "", samples::PlainText(1000, 16),
    };
    auto reused = NewState();
    for (const std::string& input : entries)
        EXPECT_TRUE(Compress(*reused, input).stream == Compress(*NewState(), input).stream) << input.size();
}

TEST(DeflateState, InputInSmallPiecesGivesTheSameStream)
{
    const std::string input = samples::DiaryBody(150000);
    auto state = NewState();
    const std::string whole = Compress(*state, input).stream;
    for (std::size_t piece : {1u, 7u, 300u, 40000u}) {
        MemoryDeflateIo io(input, piece);
        io.EndWithMinusOne();
        EXPECT_TRUE(Compress(*state, io).stream == whole) << "pieces of " << piece;
    }
}

TEST(DeflateState, AFailedFlushFailsTheEntryAndNothingIsWrittenAfterIt)
{
    const std::string input = samples::RandomBytes(200000, 19);
    auto state = NewState();
    for (int failing : {1, 2, 5}) {
        MemoryDeflateIo io(input);
        io.failingFlush = failing;
        EXPECT_EQ(Compress(*state, io).result, ZIP_ERR_WRITE);
        EXPECT_EQ(io.flushCalls, failing) << "flushes after the failed one";
    }
    const std::string next = samples::PlainText(50000, 20);
    ExpectInflatesTo(Compress(*state, next).stream, next, "the entry after a failed one");
}

TEST(DeflateState, OnlyLevelsOneToEightAreAccepted)
{
    auto state = NewState();
    for (int level : {0, 9}) {
        MemoryDeflateIo io("some input");
        EXPECT_EQ(Compress(*state, io, level).result, ZIP_INTERNAL_FLATION);
        EXPECT_STREQ(state->AssertionMessage(), "bad pack level");
        EXPECT_EQ(io.flushCalls, 0);
    }
    EXPECT_EQ(Compress(*state, "some input").result, ZIP_OK);
    EXPECT_EQ(state->AssertionMessage(), nullptr);
}

// Codes go out sixteen bits at a time: a smaller output buffer is refused before anything is
// read or written; the smallest one allowed still makes whole streams, stored blocks included.
TEST(DeflateState, AnOutputBufferBelowTwoBytesIsRefused)
{
    const std::string input = samples::DiaryBody(20000) + samples::RandomBytes(20000, 21);
    auto state = NewState();
    for (unsigned size : {0u, 1u}) {
        MemoryDeflateIo io(input);
        EXPECT_EQ(Compress(*state, io, zip::kZipDeflateLevel, size).result, ZIP_ERR_ARGS) << size;
        EXPECT_EQ(io.flushCalls, 0) << size;
    }
    for (int level : {1, 8}) {
        for (unsigned size : {2u, 3u}) {
            MemoryDeflateIo io(input);
            const Compressed c = Compress(*state, io, level, size);
            EXPECT_EQ(c.result, ZIP_OK) << level << " " << size;
            ExpectInflatesTo(c.stream, input, "level " + std::to_string(level) + ", buffer " + std::to_string(size));
        }
    }
}

TEST(DeflateHuffmanTree, SkewedCountsGetCodesWithinTheLimitThatFillTheCodeSpace)
{
    using zip::HuffmanTree;
    for (int maxLength : {15, 7}) {
        HuffmanTree tree(zipformat::kLiteralLengthCodes, maxLength, zipformat::kLengthExtraBits.data(),
                         zipformat::kLiterals + 1, nullptr);
        tree.ClearCounts();
        // Fibonacci counts make the deepest possible tree: 24 levels unless cut.
        unsigned a = 1, b = 1;
        for (int symbol = 0; symbol < 25; ++symbol) {
            for (unsigned n = 0; n < a; ++n)
                tree.Count(symbol * 10);
            const unsigned next = a + b;
            a = b;
            b = next;
        }
        zip::TreeScratch scratch {};
        zip::BlockCost cost;
        zip::DeflateSelfCheck check;
        tree.Build(scratch, cost, check);
        EXPECT_EQ(check.Message(), nullptr);
        double kraft = 0;
        int previousLength = 99;
        for (int symbol = 0; symbol < 25; ++symbol) {
            const int length = tree.Length(symbol * 10);
            ASSERT_GE(length, 1);
            ASSERT_LE(length, maxLength);
            EXPECT_LE(length, previousLength) << "a more frequent symbol never gets a longer code";
            previousLength = length;
            kraft += 1.0 / (1 << length);
        }
        EXPECT_DOUBLE_EQ(kraft, 1.0);
    }
}
