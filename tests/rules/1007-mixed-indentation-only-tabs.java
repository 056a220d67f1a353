	// Rule 1007: only tabs; the first line is never examined, even with spaces.
class OnlyTabs {
	int a;
		int b;

	}