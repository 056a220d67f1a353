	class Start { // EXPECT 1020 (a tab at the very start is on line 1)
}
class CarriageReturns {
	int a; // EXPECT 1020
}
