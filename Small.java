/** @author a */
package p;
class Small {}
