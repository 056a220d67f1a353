package p;
