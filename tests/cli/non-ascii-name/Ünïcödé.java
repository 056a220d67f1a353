class A {
  void f() {
    try { g(); } catch (E e) { }
  }
}
