#include "zelt/model/OGuide.h"
#include "zelt/model/OImage.h"
#include "zelt/model/OObject.h"

namespace zelt {

void OGuide::clear() {
  medium = nullptr;
  prev = nullptr;
  next = nullptr;
  sign = 1;
  alignment = std::make_unique<OAxisAlignment>();
}

ONode::ONode(const ONode& other)
    : h(other.h),
      in(other.in),
      out(other.out),
      outline_(other.outline_ ? other.outline_->clone() : nullptr),
      element_(other.element_ ? other.element_->clone() : nullptr) {}

void ONode::clear() {
  element_.reset();
  outline_.reset();
  in = nullptr;
  out = nullptr;
  h = 0.0;
}

std::unique_ptr<ONode> ONode::clone() const {
  return std::unique_ptr<ONode>(new ONode(*this));
}

void OObject::clear() {
  ONode::clear();
  finite = false;
  S = 0.0;
  flag = true;
}

std::unique_ptr<ONode> OObject::clone() const {
  return std::unique_ptr<ONode>(new OObject(*this));
}

void OImage::clear() {
  ONode::clear();
  finite = false;
  flag = true;
  S_ = 0.0;
  fromParaxial = true;
}

std::unique_ptr<ONode> OImage::clone() const {
  return std::unique_ptr<ONode>(new OImage(*this));
}

}  // namespace zelt
