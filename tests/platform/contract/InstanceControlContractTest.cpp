// Instance control: a starting instance ends the running ones one request at a time;
// a running instance answers a request to quit once, and not after it has withdrawn
// or handed its place over.
#include "Implementations.h"

namespace solvane::contract {
namespace {

template <class Traits>
class InstanceControlContract : public ::testing::Test {
protected:
    platform::InstanceControl& self() { return impl.self(); }
    // Announces this instance with a quit action that counts.
    void announce() {
        self().announce([this] { ++quits; });
    }

    Traits impl;
    int quits = 0;
};

TYPED_TEST_SUITE(InstanceControlContract, InstanceControlImplementations);

TYPED_TEST(InstanceControlContract, AloneNoOtherInstanceIsFound) { EXPECT_FALSE(this->self().quitAnotherInstance()); }

TYPED_TEST(InstanceControlContract, EachRequestEndsOneOtherInstanceUntilNoneIsLeft) {
    this->impl.startOtherInstance();
    this->impl.startOtherInstance();
    EXPECT_TRUE(this->self().quitAnotherInstance());
    this->impl.letOthersAnswer(1);
    EXPECT_EQ(this->impl.quitsAnsweredByOthers(), 1);
    EXPECT_TRUE(this->self().quitAnotherInstance());
    this->impl.letOthersAnswer(2);
    EXPECT_EQ(this->impl.quitsAnsweredByOthers(), 2);
    EXPECT_FALSE(this->self().quitAnotherInstance());
}

TYPED_TEST(InstanceControlContract, AnAnnouncedInstanceNeverFindsItself) {
    this->announce();
    EXPECT_FALSE(this->self().quitAnotherInstance());
    this->impl.processOwnEvents();
    EXPECT_EQ(this->quits, 0);
    this->self().withdraw();
}

TYPED_TEST(InstanceControlContract, AWaitingRequestIsAnsweredOnDemandAndOnlyOnce) {
    this->announce();
    ASSERT_TRUE(this->impl.requestQuitFromAnotherInstance());
    EXPECT_EQ(this->quits, 0) << "the request waits for this instance";
    this->self().answerWaitingRequests();
    EXPECT_EQ(this->quits, 1);
    this->self().answerWaitingRequests();
    this->impl.processOwnEvents();
    EXPECT_EQ(this->quits, 1);
    this->self().withdraw();
}

TYPED_TEST(InstanceControlContract, AWithdrawnInstanceDropsWhatWaitedAndAnswersAgainOnlyWhenAnnouncedAgain) {
    this->announce();
    ASSERT_TRUE(this->impl.requestQuitFromAnotherInstance());
    this->self().withdraw();
    this->self().answerWaitingRequests();
    EXPECT_EQ(this->quits, 0);

    this->announce();
    this->self().answerWaitingRequests();
    this->impl.processOwnEvents();
    EXPECT_EQ(this->quits, 0) << "the request made before the withdrawal is gone";

    ASSERT_TRUE(this->impl.requestQuitFromAnotherInstance());
    this->self().answerWaitingRequests();
    EXPECT_EQ(this->quits, 1);
    this->self().withdraw();
}

TYPED_TEST(InstanceControlContract, AnInstanceThatHandedOverAnswersNothingMore) {
    this->announce();
    ASSERT_TRUE(this->impl.requestQuitFromAnotherInstance());
    this->self().handOver();
    this->self().answerWaitingRequests();
    this->impl.processOwnEvents();
    EXPECT_EQ(this->quits, 0) << "the request waits for the next program";
    this->self().withdraw();
    this->self().answerWaitingRequests();
    EXPECT_EQ(this->quits, 0);
}

TYPED_TEST(InstanceControlContract, TheQuitActionMayWithdrawTheInstance) {
    this->self().announce([this] {
        ++this->quits;
        this->self().withdraw();
    });
    ASSERT_TRUE(this->impl.requestQuitFromAnotherInstance());
    this->self().answerWaitingRequests();
    EXPECT_EQ(this->quits, 1);
    this->self().answerWaitingRequests();
    EXPECT_EQ(this->quits, 1);
}

}  // namespace
}  // namespace solvane::contract
