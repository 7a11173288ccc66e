#include "editors/SingleKeyCapture.h"

#include <gtest/gtest.h>

#include <vector>

namespace editors {
namespace {

using Outcome = SingleKeyCapture::Outcome;

struct Step {
  std::uint8_t key;
  Outcome outcome;
  std::uint8_t captured;  // afterwards
};

void Feed(SingleKeyCapture& capture, const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(capture.OnKey(steps[i].key), steps[i].outcome) << "step " << i;
    EXPECT_EQ(capture.Captured(), steps[i].captured) << "step " << i;
  }
}

TEST(SingleKeyCapture, AskedOnceAndAfterTheAnswerEveryKeyReplaces) {
  for (bool replace : {true, false}) {
    SingleKeyCapture capture;
    Feed(capture, {
                     {'A', Outcome::kTaken, 'A'},  // press
                     {'A', Outcome::kTaken, 'A'},  // its release: the same key, no question
                     {'B', Outcome::kAskToReplace, 'A'},
                     {'B', Outcome::kIgnored, 'A'},      // B's release while the question is open
                     {0x0D, Outcome::kIgnored, 'A'},  // a key pressed at the question
                 });
    capture.Answer(replace, 'B');
    EXPECT_EQ(capture.Captured(), replace ? 'B' : 'A');
    Feed(capture, {{'C', Outcome::kReplaced, 'C'}, {'C', Outcome::kTaken, 'C'}, {'D', Outcome::kReplaced, 'D'}});
  }
}

TEST(SingleKeyCapture, AFreshShowingCapturesAnewAndAsksAgain) {
  SingleKeyCapture capture;
  Feed(capture, {{'A', Outcome::kTaken, 'A'}, {'B', Outcome::kAskToReplace, 'A'}});
  capture.Answer(true, 'B');
  capture.Reset();
  EXPECT_EQ(capture.Captured(), 0);
  EXPECT_FALSE(capture.Asked());
  Feed(capture, {{0x70, Outcome::kTaken, 0x70}, {0x71, Outcome::kAskToReplace, 0x70}});
}

}  // namespace
}  // namespace editors
