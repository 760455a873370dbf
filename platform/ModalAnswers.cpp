#include "OrvModalAnswers.h"

#include <deque>

namespace orv {

namespace {
std::deque<TModalAnswer>& Queue() {
  static std::deque<TModalAnswer> queue;
  return queue;
}
}  // namespace

void AnswerNextModal(TModalAnswer Answer) { Queue().push_back(std::move(Answer)); }

int PendingModalAnswers() { return int(Queue().size()); }

void ClearModalAnswers() { Queue().clear(); }

bool TakeModalAnswer(TModalAnswer& Answer) {
  if (Queue().empty()) return false;
  Answer = std::move(Queue().front());
  Queue().pop_front();
  return true;
}

}  // namespace orv
