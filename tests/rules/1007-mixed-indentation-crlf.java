// Rule 1007: carriage return and line feed ends; more spaces than tabs.
class Crlf {
    int a;
    int b;
	int c; // EXPECT 1007 'Mixed indentation style. Tab found. (File seems indented with space).'

}
